#pragma once
// The "Dizio" page: choose, load, rebuild and export dictionaries.

#include "dizio/dizio_game.h"
#include "shell/game_page.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;

namespace sillabor::shell {

class DizioPage : public GamePage {
    Q_OBJECT

public:
    DizioPage(App& app, DizioGame& game, QWidget* parent = nullptr);

    StartButton StartButtonMode() const override { return StartButton::Hidden; }
    QStringList HelpKeys() const override;
    SearchJob JobFor(int game, int option) override;

    // Fills dictionaryList from the last scan of Dizionari/.
    void ShowDictionaryList();

    QComboBox* dictionaryList;
    QPushButton* loadButton;
    QPushButton* buildButton;
    QCheckBox* skipCapitalisedBox;
    QCheckBox* skipBeforeApostropheBox;
    QCheckBox* skipHyphenatedBox;
    QButtonGroup* exportOrder;
    QPushButton* exportButton;
    QPushButton* rescanButton;
    QPushButton* openFolderButton;

private:
    // The dictionary selected in the list; empty when none is.
    std::string SelectedDictionary() const;
    DizioRequest Request(int action) const;
    void LoadClick();
    void BuildClick();
    void ExportClick();
    // Scans Dizionari/ again and shows the list.
    void RescanClick();
    void OpenFolderClick();

    DizioGame& game_;
};

}  // namespace sillabor::shell
