#include "wavwriter.h"

#include <QFile>
#include <sndfile.h>

bool WavWriter::write(const std::vector<float>& samples, int rate, const QString& path,
                      QString* error) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) {
        if (error)
            *error = QStringLiteral("cannot open %1: %2")
                         .arg(path, QString::fromUtf8(sf_strerror(nullptr)));
        return false;
    }
    // Samples beyond full scale are clipped rather than wrapped around.
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const sf_count_t written = sf_write_float(file, samples.data(), sf_count_t(samples.size()));
    const int closeResult = sf_close(file);
    if (written != sf_count_t(samples.size()) || closeResult != 0) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}
