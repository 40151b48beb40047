// Any bytes as a GIF in the content folder: loaded for the drill.

#include "contentpicture.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace {

#ifdef MIROSUTA_LIBFUZZER
// libFuzzer sees no coverage inside Qt's prebuilt GIF decoder. These counters
// tell it the outcome instead (which refusal, or how large a picture came out),
// so an input that reaches a new one is kept in the corpus.
constexpr int kReasons = 8;
constexpr int kSizeBuckets = 12; // bit width of 0..2047
__attribute__((section("__libfuzzer_extra_counters")))
std::uint8_t outcomeCounters[kReasons * kSizeBuckets * kSizeBuckets];

void noteOutcome(const QString& reason, const QPixmap& pixmap) {
    const auto bucket = [](int n) {
        return std::min<int>(std::bit_width(unsigned(n)), kSizeBuckets - 1);
    };
    // The reason's opening words name the kind of refusal; numbers come later.
    const int kind = reason.isEmpty() ? 0 : 1 + int(qHash(reason.left(6)) % (kReasons - 1));
    ++outcomeCounters[(kind * kSizeBuckets + bucket(pixmap.width())) * kSizeBuckets +
                      bucket(pixmap.height())];
}
#else
void noteOutcome(const QString&, const QPixmap&) {}
#endif

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ensureApplication();
    // The loader takes a path, so every input goes through the same file.
    static QTemporaryDir* const dir = new QTemporaryDir;
    static const QString path = dir->filePath(QStringLiteral("mondai.gif"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                   static_cast<qint64>(size));
    }

    QPixmap pixmap;
    const QString reason = loadContentPicture(path, &pixmap);
    if (reason.isEmpty()) {
        FUZZ_CHECK(!pixmap.isNull());
        FUZZ_CHECK(pixmap.width() <= kMaxContentPicture.width());
        FUZZ_CHECK(pixmap.height() <= kMaxContentPicture.height());
    } else {
        FUZZ_CHECK(!reason.trimmed().isEmpty());
    }
    noteOutcome(reason, pixmap);
    return 0;
}
