#pragma once

#include <QString>
#include <QStringList>

// The drill's mark pictures and sounds, as paths below BaseFolder. The
// question pictures are the questions' own (drillquestions.h).

inline const QString kRightMarkPicture = QStringLiteral("\\画像\\maru.gif");
inline const QString kWrongMarkPicture = QStringLiteral("\\画像\\batu.gif");
inline const QString kRightSound = QStringLiteral("\\音\\o.wav");
inline const QString kWrongSound = QStringLiteral("\\音\\x.wav");
inline const QString kPassSound = QStringLiteral("\\音\\gokaku.wav");

// Every sound the drill reads.
QStringList drillSoundFiles();
