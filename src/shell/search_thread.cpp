#include "shell/search_thread.h"

#include "app/search_session.h"

namespace sillabor::shell {

SearchThread::SearchThread(SearchSession& session, QObject* parent) : QThread(parent), session_(session) {
    setObjectName("SearchThread");
}

void SearchThread::run() { session_.Run(); }

}  // namespace sillabor::shell
