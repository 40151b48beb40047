#include "schoolfolder.h"

#include <QSettings>

// The MSI writes its CONTENTFOLDER property here, per machine, where only
// administrators write; uninstalling removes it.
QString SchoolContentFolder() {
    const QSettings installed(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Mirosuta"),
                              QSettings::Registry64Format);
    return installed.value(QStringLiteral("ContentFolder")).toString().trimmed();
}
