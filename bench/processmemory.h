#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <sys/resource.h>

// Shared by the program's child run and the bare window, so that both are
// measured alike. Header-only: the bare window links nothing but Qt Widgets.

// Peak resident memory of this process, KiB.
inline long peakKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Resident memory now, KiB.
inline long currentKiB() {
    QFile f("/proc/self/statm");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0; // resident pages of 4 KiB
}

// Runs what is pending: showing, painting, deferred deletes.
inline void settleEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
