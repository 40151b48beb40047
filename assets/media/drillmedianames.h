#pragma once

// The names of the drill's pictures, marks, sounds and questions file: the
// media maker writes these files, the drill reads them, and the build lists
// them as the maker's outputs (assets/CMakeLists.txt reads the names from here).
inline constexpr const char* kRightMarkFile = "maru.gif";     // in 画像
inline constexpr const char* kWrongMarkFile = "batu.gif";     // in 画像
inline constexpr const char* kQuestionsFileName = "問題.txt"; // in 画像
inline constexpr const char* kRightSoundFile = "o.wav";       // in 音
inline constexpr const char* kWrongSoundFile = "x.wav";       // in 音
inline constexpr const char* kPassSoundFile = "gokaku.wav";   // in 音

// The shipped questions' pictures, in question order (in 画像).
inline constexpr const char* kQuestionPictureFiles[] = {"mondai1.gif", "mondai2.gif", "mondai3.gif",
                                                        "mondai4.gif", "mondai5.gif"};
