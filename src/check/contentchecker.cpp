#include "contentchecker.h"

#include "contentfile.h"
#include "contentpicture.h"
#include "drillfiles.h"
#include "paneldesign.h"
#include "textloader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <sndfile.h>
#include <vector>

namespace {

// A FIFO or a device would block or never end; the program reads only files.
QString notAFile(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isFile())
        return QStringLiteral("普通のファイルではないので読み込めません。");
    return {};
}

QString encodingName(TextEncoding e) {
    switch (e) {
    case TextEncoding::Cp932:
        return QStringLiteral("CP932 (Shift_JIS)");
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return QStringLiteral("UTF-16");
    }
    Q_UNREACHABLE();
}

// For text that does not read as CP932: the encodings a teacher's file might
// really be in, which the program does not read.
QString likelyOtherEncoding(QByteArrayView bytes) {
    if (bytes.contains('\0'))
        return QStringLiteral("BOM のない UTF-16");
    // CP932 kana and kanji have lead bytes that EUC-JP never uses, so text
    // that reads as EUC-JP is almost surely written in it.
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    QStringDecoder euc("EUC-JP", QStringDecoder::Flag::Stateless);
    if (!ascii && euc.isValid()) {
        // ICU marks what it cannot read with SUB or U+FFFD rather than an
        // error, and passes stray bytes 0x80 to 0x9F through as controls.
        const QString text = euc.decode(bytes);
        const bool readable = std::none_of(text.begin(), text.end(), [](QChar c) {
            const char16_t u = c.unicode();
            return u == 0xFFFD || (u < 0x20 && u != '\t' && u != '\r' && u != '\n') ||
                   (u >= 0x7F && u < 0xA0);
        });
        if (!euc.hasError() && readable)
            return QStringLiteral("EUC-JP");
    }
    return {};
}

// libsndfile reads the sound through a QFile, so that a path of any
// characters opens the same way on every platform.
sf_count_t vioLength(void* f) {
    return static_cast<QFile*>(f)->size();
}
sf_count_t vioSeek(sf_count_t offset, int whence, void* f) {
    auto* file = static_cast<QFile*>(f);
    const qint64 base = whence == SEEK_CUR ? file->pos() : whence == SEEK_END ? file->size() : 0;
    if (!file->seek(base + offset))
        return -1;
    return file->pos();
}
sf_count_t vioRead(void* out, sf_count_t count, void* f) {
    const qint64 n = static_cast<QFile*>(f)->read(static_cast<char*>(out), count);
    return n < 0 ? 0 : n;
}
sf_count_t vioWrite(const void*, sf_count_t, void*) {
    return 0; // opened for reading only
}
sf_count_t vioTell(void* f) {
    return static_cast<QFile*>(f)->pos();
}

// True when the RIFF header promises more bytes than the file holds. The
// decoder quietly plays what is there, so only the header tells.
bool cutShort(QFile* file) {
    if (!file->seek(0))
        return false;
    const QByteArray head = file->read(8);
    if (head.size() < 8 || !head.startsWith("RIFF"))
        return false;
    const auto byte = [&](int i) { return quint32(static_cast<unsigned char>(head[i])); };
    const quint32 riffSize = byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24;
    return qint64(riffSize) + 8 > file->size();
}

// Why a sound is not a WAV that the player plays; empty when it is one.
QString soundProblem(QFile* file) {
    SF_VIRTUAL_IO io{vioLength, vioSeek, vioRead, vioWrite, vioTell};
    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&io, SFM_READ, &info, file);
    if (!sf)
        return QStringLiteral("音のファイルとして読めません（WAV ではないか、壊れています）。");
    QString why;
    const int major = info.format & SF_FORMAT_TYPEMASK;
    const int sub = info.format & SF_FORMAT_SUBMASK;
    if (major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX) {
        SF_FORMAT_INFO name{};
        name.format = major;
        sf_command(nullptr, SFC_GET_FORMAT_MAJOR, &name, sizeof name);
        why = QStringLiteral("WAV ではありません（%1 の音です）。WAV で保存してください。")
                  .arg(QString::fromUtf8(name.name ? name.name : "別の形式"));
    } else if (sub != SF_FORMAT_PCM_U8 && sub != SF_FORMAT_PCM_16 && sub != SF_FORMAT_PCM_24 &&
               sub != SF_FORMAT_PCM_32 && sub != SF_FORMAT_FLOAT) {
        why = QStringLiteral("圧縮された WAV は再生できないことがあります。"
                             "非圧縮（PCM）の WAV で保存してください。");
    } else if (info.frames <= 0 || info.channels < 1 || info.channels > 2) {
        why = info.frames <= 0 ? QStringLiteral("音のデータが入っていません。")
                               : QStringLiteral("モノラルかステレオの WAV にしてください。");
    } else {
        // Read it all: a file cut short has fewer samples than its header says.
        std::vector<float> buffer(4096 * std::size_t(info.channels));
        sf_count_t total = 0;
        for (sf_count_t n; (n = sf_readf_float(sf, buffer.data(), 4096)) > 0;)
            total += n;
        if (total < info.frames || cutShort(file))
            why = QStringLiteral("音のデータが途中で切れています（ファイルが壊れています）。");
    }
    sf_close(sf);
    return why;
}

Finding problem(const QString& file, const QString& message, int line = 0) {
    return {Finding::Kind::Problem, file, line, message};
}

} // namespace

ContentChecker::ContentChecker(const QString& folder) : m_folder(folder) {}

int ContentChecker::textCount() const {
    return int(allPanelDesigns().size());
}
int ContentChecker::pictureCount() const {
    return int(drillPictureFiles().size());
}
int ContentChecker::soundCount() const {
    return int(drillSoundFiles().size());
}

QString ContentChecker::fullPath(const QString& relative) const {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(m_folder + rel);
}

QList<Finding> ContentChecker::check() const {
    QList<Finding> out;
    for (const PanelDesign& d : allPanelDesigns())
        checkText(d, &out);
    for (const QString& f : drillPictureFiles())
        checkPicture(f, &out);
    for (const QString& f : drillSoundFiles())
        checkSound(f, &out);
    return out;
}

void ContentChecker::checkText(const PanelDesign& design, QList<Finding>* out) const {
    const QString path = fullPath(design.file);
    QString why = notAFile(path);
    QByteArray bytes;
    if (why.isEmpty())
        why = ReadContentFile(path, &bytes);
    if (!why.isEmpty()) {
        out->append(problem(design.file, why));
        return;
    }

    TextEncoding encoding;
    const QStringList lines = DecodeLines(bytes, &encoding);
    if (encoding == TextEncoding::Cp932) {
        const QString other = likelyOtherEncoding(bytes);
        if (!other.isEmpty()) {
            out->append(
                problem(design.file,
                        QStringLiteral("%1 で保存されているようです。このプログラムが読めるのは "
                                       "CP932 (Shift_JIS)、UTF-8、BOM 付きの UTF-16 です。")
                            .arg(other)));
            return;
        }
    }
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].contains(QChar::ReplacementCharacter))
            out->append(
                problem(design.file,
                        QStringLiteral("%1 として読めない文字があります（文字化けします）。")
                            .arg(encodingName(encoding)),
                        i + 1));

    // The panel as its screen builds it, with the lines in it: the same font,
    // frame, margins and scroll bar the learner sees.
    QWidget holder;
    TextPanel* panel = buildPanel(design, &holder);
    panel->addItems(lines);
    const QString where =
        QStringLiteral("「%1」の %2").arg(screenInfo(design.screen).formName, design.name);
    for (int i = 0; i < lines.size(); ++i) {
        const int cut = panel->cutOffPixels(lines[i]);
        if (cut > 0)
            out->append(
                problem(design.file,
                        QStringLiteral("右端で %1 ピクセル切れて見えなくなります（この行の幅は %2 "
                                       "ピクセル、%3 に入るのは %4 ピクセルまで）。")
                            .arg(cut)
                            .arg(panel->textRoom() + cut)
                            .arg(where)
                            .arg(panel->textRoom()),
                        i + 1));
    }
    const int rows = panel->rowsInView();
    if (lines.size() > rows)
        out->append({Finding::Kind::Note, design.file, 0,
                     QStringLiteral("%1 行あり、%2 にスクロールせずに見えるのは %3 行までです"
                                    "（残りはスクロールして読みます）。")
                         .arg(lines.size())
                         .arg(where)
                         .arg(rows)});
}

void ContentChecker::checkPicture(const QString& relative, QList<Finding>* out) const {
    const QString path = fullPath(relative);
    QString why = notAFile(path);
    if (why.isEmpty()) {
        QPixmap pixmap;
        why = loadContentPicture(path, &pixmap);
    }
    if (!why.isEmpty())
        out->append(problem(relative, why));
}

void ContentChecker::checkSound(const QString& relative, QList<Finding>* out) const {
    const QString path = fullPath(relative);
    QString why = notAFile(path);
    QFile file;
    if (why.isEmpty())
        why = openContentFile(path, &file);
    if (why.isEmpty())
        why = soundProblem(&file);
    if (!why.isEmpty())
        out->append(problem(relative, why));
}

QString ContentChecker::reportLine(const Finding& f) {
    QString file = f.file.mid(1);
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    file = QDir::toNativeSeparators(file);
    const QString kind =
        f.kind == Finding::Kind::Problem ? QStringLiteral("問題") : QStringLiteral("注意");
    if (f.line > 0)
        return QStringLiteral("%1: %2 %3 行目: %4").arg(kind, file).arg(f.line).arg(f.message);
    return QStringLiteral("%1: %2: %3").arg(kind, file, f.message);
}

QString ContentChecker::summaryLine(const QList<Finding>& findings) const {
    qsizetype problems = 0;
    for (const Finding& f : findings)
        problems += f.kind == Finding::Kind::Problem ? 1 : 0;
    const qsizetype notes = findings.size() - problems;
    const QString checked = QStringLiteral("%1 の文章 %2 個、画像 %3 個、音 %4 個を調べました。")
                                .arg(QDir::toNativeSeparators(m_folder))
                                .arg(textCount())
                                .arg(pictureCount())
                                .arg(soundCount());
    if (findings.isEmpty())
        return checked + QStringLiteral("問題はありません。");
    return checked + QStringLiteral("問題 %1 件、注意 %2 件。").arg(problems).arg(notes);
}

int ContentChecker::exitStatus(const QList<Finding>& findings) {
    for (const Finding& f : findings)
        if (f.kind == Finding::Kind::Problem)
            return 1;
    return 0;
}
