#include "drillfiles.h"

QString questionPicture(int number) {
    return QStringLiteral("\\画像\\mondai%1.gif").arg(number);
}

QStringList drillPictureFiles() {
    QStringList files;
    for (int n = 1; n <= kQuestionCount; ++n)
        files << questionPicture(n);
    return files << kRightMarkPicture << kWrongMarkPicture;
}

QStringList drillSoundFiles() {
    return {kRightSound, kWrongSound, kPassSound};
}
