#pragma once
// The search thread: runs the session's search once and ends.

#include <QThread>

namespace sillabor {
class SearchSession;
}

namespace sillabor::shell {

class SearchThread : public QThread {
    Q_OBJECT

public:
    explicit SearchThread(SearchSession& session, QObject* parent = nullptr);

protected:
    void run() override;

private:
    SearchSession& session_;
};

}  // namespace sillabor::shell
