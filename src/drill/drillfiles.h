#pragma once

#include <QString>
#include <QStringList>

// The drill's pictures and sounds, as paths below BaseFolder.

// The drill asks five questions, one per question picture.
inline constexpr int kQuestionCount = 5;

// "\画像\mondai<n>.gif": the picture of question n (1 to 5).
QString questionPicture(int number);
inline const QString kRightMarkPicture = QStringLiteral("\\画像\\maru.gif");
inline const QString kWrongMarkPicture = QStringLiteral("\\画像\\batu.gif");
inline const QString kRightSound = QStringLiteral("\\音\\o.wav");
inline const QString kWrongSound = QStringLiteral("\\音\\x.wav");
inline const QString kPassSound = QStringLiteral("\\音\\gokaku.wav");

// Every picture and every sound the drill reads.
QStringList drillPictureFiles();
QStringList drillSoundFiles();
