#include "platformservices.h"

#include "services.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

class MessageBoxReport final : public ErrorReport {
public:
    void report(const QString& message) override {
        QMessageBox::critical(nullptr, QStringLiteral("ミロスタ"), message);
    }
};

class ApplicationExit final : public ProgramExit {
public:
    void exit(int status) override { QCoreApplication::exit(status); }
};

} // namespace

ErrorReport& platformErrorReport() {
    static MessageBoxReport e;
    return e;
}

ProgramExit& platformProgramExit() {
    static ApplicationExit e;
    return e;
}
