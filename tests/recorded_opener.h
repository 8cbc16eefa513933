#pragma once

#include "host/outside_links.h"

#include <QList>
#include <QUrl>

// Records the addresses handed to the desktop instead of opening a browser or mail program, for
// as long as it lives; the handler's answer is the one the test chose.
struct RecordedOpener {
    explicit RecordedOpener(bool answer = false) {
        previous = SetDocumentOpener([this, answer](const QUrl& address) {
            opened.append(address);
            return answer;
        });
    }
    ~RecordedOpener() { SetDocumentOpener(previous); }
    RecordedOpener(const RecordedOpener&) = delete;
    RecordedOpener& operator=(const RecordedOpener&) = delete;

    QList<QUrl> opened;
    DocumentOpener previous;
};
