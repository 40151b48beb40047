#pragma once

#include "drillmedianames.h"

#include <QString>
#include <QStringList>

// The drill's mark pictures and sounds, as paths below BaseFolder. The
// question pictures are the questions' own (drillquestions.h).

inline const QString kRightMarkPicture =
    QStringLiteral("\\画像\\") + QString::fromUtf8(kRightMarkFile);
inline const QString kWrongMarkPicture =
    QStringLiteral("\\画像\\") + QString::fromUtf8(kWrongMarkFile);
inline const QString kRightSound = QStringLiteral("\\音\\") + QString::fromUtf8(kRightSoundFile);
inline const QString kWrongSound = QStringLiteral("\\音\\") + QString::fromUtf8(kWrongSoundFile);
inline const QString kPassSound = QStringLiteral("\\音\\") + QString::fromUtf8(kPassSoundFile);

// Every sound the drill reads.
QStringList drillSoundFiles();
