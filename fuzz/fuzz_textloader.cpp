// Any bytes as a content text: decoded into lines and shown in a text panel.

#include "fuzzsupport.h"
#include "textloader.h"
#include "textpanel.h"

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>

namespace {

// How many lines the bytes hold: a line ends at CR LF, a lone CR or a lone LF,
// and a final line end adds no empty line. CP932 trail bytes are never CR or
// LF, so this byte-level count is what the decoded text must give as well.
qsizetype countLines(QByteArrayView bytes) {
    qsizetype lines = 0;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        while (i < n && bytes[i] != '\r' && bytes[i] != '\n')
            ++i;
        ++lines;
        i += (i + 1 < n && bytes[i] == '\r' && bytes[i + 1] == '\n') ? 2 : 1;
    }
    return lines;
}

qsizetype countLineEnds(QByteArrayView bytes) {
    qsizetype ends = 0;
    for (const char c : bytes)
        ends += (c == '\r' || c == '\n') ? 1 : 0;
    return ends;
}

// Printable ASCII, tab and line ends decode to themselves, so there the lines
// can be checked character by character.
bool isPlainAscii(QByteArrayView bytes) {
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!(b == '\t' || b == '\r' || b == '\n' || (b >= 0x20 && b < 0x7F)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ensureApplication();
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));

    const QStringList lines = DecodeLines(bytes);
    FUZZ_CHECK(lines.size() <= countLineEnds(bytes) + 1);
    FUZZ_CHECK(lines.size() == countLines(bytes));
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
    if (isPlainAscii(bytes)) {
        QByteArray rebuilt = bytes.toByteArray();
        rebuilt.replace("\r\n", "\n").replace('\r', '\n');
        if (rebuilt.endsWith('\n'))
            rebuilt.chop(1);
        FUZZ_CHECK(lines.join(u'\n') == QString::fromLatin1(rebuilt));
    }

    // One panel for the whole run, filled the way a screen fills it.
    static TextPanel* const panel = [] {
        auto* p = new TextPanel(TextPanel::Ground::Blue);
        p->resize(400, 200);
        return p;
    }();
    panel->clear();
    panel->addItems(lines);
    FUZZ_CHECK(panel->lines() == lines);
    return 0;
}
