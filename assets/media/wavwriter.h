#pragma once

// Writes mono 16-bit PCM WAV files through libsndfile.

#include <QString>
#include <vector>

class WavWriter {
public:
    static bool write(const std::vector<float>& samples, int rate, const QString& path,
                      QString* error);
};
