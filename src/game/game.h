#pragma once
// A game: one page of the window, with its record and its search. Each game
// describes itself once; the window's tabs, the automatic-saving table, the
// dispatch of a search and the help are built from these descriptions.

#include <string>
#include <vector>

#include "game/game_context.h"

namespace sillabor {

// What RunGame returns for a game or an option that does not exist.
inline constexpr int kNoSuchSearch = 2;

struct GameInfo {
    // The page's one name: its command in sillabor-cli and its key in each
    // front end's list of pages.
    const char* name;
    // The tab's caption and the page's name.
    const char* tabCaption;
    const char* pageName;
    // The page's file in Salvataggi/, or "" when the page saves nothing (its
    // automatic saving is then unavailable; otherwise it starts as "Non salvare").
    const char* saveFileName;
};

class Game {
public:
    virtual ~Game() = default;

    virtual GameInfo Info() const = 0;
    // The sections of the help file that "?" prints, in order, for the record's state.
    virtual std::vector<std::string> HelpKeys() const = 0;
    // Whether the search needs the word array in byte order (restored before it runs).
    virtual bool NeedsByteOrder(int /*option*/) const { return true; }
    // Whether "Stop !" can end the search early. Loads, builds and exports of
    // a dictionary always run to their end, so a late "Stop !" interrupts nothing.
    virtual bool CanBeStopped() const { return true; }
    // Runs the search for `option` on the game's record, printing through ctx.out.
    // 0 on success, 1 when it printed an error, kNoSuchSearch for an unknown option.
    virtual int Run(GameContext& ctx, int option) = 0;

    // The indexes the game derives from the loaded dictionary and keeps
    // between its searches, which a front end may build ahead of the first
    // search: how many there are, and building index `index` (or taking it from
    // its cache file) unless it already belongs to the dictionary. Called with
    // the words in byte order while none of the game's searches runs; a search
    // builds what is still missing itself.
    virtual int IndexCount() const { return 0; }
    virtual void PrepareIndex(int /*index*/, const Dictionary& /*dict*/) {}
    // The indexes the game keeps only in cache files beside the prepared file
    // until a search needs them (kept in memory, they would cost too much):
    // how many files there are, and making sure file `file` exists and fits
    // the dictionary, without keeping the index. A file that is missing,
    // stale or cut short is built through a scratch index that writes it and
    // is dropped; one whose header fits costs that look only (the search that
    // reads it checks the rest). Called as PrepareIndex is; a search reads or
    // builds what it needs itself.
    virtual int IndexFileCount() const { return 0; }
    virtual void PrepareIndexFile(int /*file*/, const Dictionary& /*dict*/) {}

    // The game's number: its position in the registration order, -1 until registered.
    int Id() const { return id_; }

private:
    friend class GameRegistry;
    int id_ = -1;
};

}  // namespace sillabor
