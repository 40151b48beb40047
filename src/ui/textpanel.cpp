#include "textpanel.h"

#include "basefolder.h"
#include "fonts.h"
#include "linemarkup.h"
#include "syntheticbold.h"
#include "textloader.h"
#include "twips.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Raised and lowered runs: the panel's face at seven tenths of its size, their
// baseline moved by a share of the panel's size, as a textbook sets r³ and N_A.
constexpr qreal kSmallScale = 0.7, kRise = 0.33, kDrop = 0.16;

QFont smallFont(const QFont& font) {
    QFont small(font);
    small.setPixelSize(qRound(font.pixelSize() * kSmallScale));
    small.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    keepRegularAdvances(small);
    return small;
}

qreal shiftOf(LineMarkup::Shift shift, const QFont& font) {
    switch (shift) {
    case LineMarkup::Shift::Raised:
        return -std::round(font.pixelSize() * kRise);
    case LineMarkup::Shift::Lowered:
        return std::round(font.pixelSize() * kDrop);
    case LineMarkup::Shift::None:
        break;
    }
    return 0;
}

// Lays out one run of a row from its baseline's start, drawing it when a
// painter is given; returns its advance. A raised or lowered minus is a bar
// as wide as a digit: the hyphen a teacher types is too short for a minus
// at that size.
qreal layOutRun(const LineMarkup::Run& run, const QFont& font, QPointF at,
                QPainter* painter = nullptr) {
    if (run.shift == LineMarkup::Shift::None) {
        if (painter) {
            painter->setFont(font);
            painter->drawText(at, run.text);
        }
        return QFontMetricsF(font).horizontalAdvance(run.text);
    }
    const QFont small = smallFont(font);
    const QFontMetricsF fm(small);
    const QPointF start(at.x(), at.y() + shiftOf(run.shift, font));
    qreal x = start.x();
    const QStringList pieces = run.text.split(u'-');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            const qreal digit = fm.horizontalAdvance(u'0');
            if (painter) {
                // On the hyphen's middle, as thick as the face's underline.
                const QRectF hyphen = fm.tightBoundingRect(QStringLiteral("-"));
                const qreal thick = std::max(1.0, std::round(fm.lineWidth()));
                painter->fillRect(QRectF(std::round(x),
                                         std::round(start.y() + hyphen.center().y() - thick / 2),
                                         std::round(digit) - 1, thick),
                                  painter->pen().color());
            }
            x += digit;
        }
        if (painter) {
            painter->setFont(small);
            painter->drawText(QPointF(x, start.y()), pieces[i]);
        }
        x += fm.horizontalAdvance(pieces[i]);
    }
    return x - start.x();
}

// The width a row with markup takes as drawn.
qreal markedWidth(const LineMarkup& markup, const QFont& font) {
    qreal width = 0;
    for (const LineMarkup::Run& run : markup.runs())
        width += layOutRun(run, font, QPointF(width, 0));
    return width;
}

// Draws rows without the focus band that the style puts on the current row
// when the panel takes the keyboard focus: only a click highlights a row.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // A row without markup is drawn by the style, as any list draws it; a row
    // with markup is drawn run by run on the baseline the style would give it.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const LineMarkup markup = LineMarkup::parse(index.data(Qt::DisplayRole).toString());
        if (!markup.hasMarkup()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        QStyle* style = widget->style();
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        opt.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        // The style lays the text out in one line inside a margin and centres
        // that line's height in the row.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect room = textRect.adjusted(margin, 0, -margin, 0);
        QString plain;
        for (const LineMarkup::Run& run : markup.runs())
            if (run.shift == LineMarkup::Shift::None)
                plain += run.text;
        QTextLayout layout(plain, opt.font);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(room.width());
        layout.endLayout();
        const QRect at = QStyle::alignedRect(opt.direction, opt.displayAlignment,
                                             QSize(int(line.width()), int(line.height())), room);
        const qreal baseline = at.top() + line.ascent();

        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : !(opt.state & QStyle::State_Active)
                                               ? QPalette::Inactive
                                               : QPalette::Normal;
        painter->save();
        painter->setClipRect(opt.rect);
        painter->setPen(opt.palette.color(group, opt.state & QStyle::State_Selected
                                                     ? QPalette::HighlightedText
                                                     : QPalette::Text));
        qreal x = at.left();
        for (const LineMarkup::Run& run : markup.runs())
            x += layOutRun(run, opt.font, QPointF(x, baseline), painter);
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

} // namespace

TextPanel::TextPanel(Ground ground, QWidget* parent) : QListWidget(parent), m_ground(ground) {
    setFont(minchoFont(12));
    const QColor back = ground == Ground::Blue ? QColor(0, 0, 255) : QColor(0, 0, 192);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Text, Qt::white);
    pal.setColor(QPalette::Highlight, QColor(255, 255, 255));
    pal.setColor(QPalette::HighlightedText, back);
    setPalette(pal);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true); // long files stay quick to fill
    setFocusPolicy(Qt::StrongFocus);
    setItemDelegate(new RowDelegate(this));
}

int TextPanel::rowsInView() const {
    ensurePolished();
    const int rowHeight = count() > 0 ? sizeHintForRow(0) : 0;
    return rowHeight > 0 ? contentsRect().height() / rowHeight : std::numeric_limits<int>::max();
}

int TextPanel::textRoom() const {
    ensurePolished();
    // The item view starts a row's text after a margin; a row that is too long
    // is cut by the view's own edge, not by the margin mirrored on the right.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    int room = contentsRect().width() - margin;
    if (count() > rowsInView())
        room -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    return room;
}

int TextPanel::drawnWidth(const QString& line) const {
    const LineMarkup markup = LineMarkup::parse(line);
    if (!markup.hasMarkup())
        return fontMetrics().horizontalAdvance(line);
    return int(std::ceil(markedWidth(markup, font())));
}

int TextPanel::cutOffPixels(const QString& line) const {
    return std::max(0, drawnWidth(line) - textRoom());
}

void TextPanel::setLines(const QStringList& lines) {
    clear();
    // One repaint for the whole text rather than one per line.
    setUpdatesEnabled(false);
    addItems(lines);
    for (int i = 0; i < lines.size(); ++i) {
        // A screen reader reads the words, not the marks.
        const LineMarkup markup = LineMarkup::parse(lines[i]);
        if (markup.hasMarkup())
            item(i)->setData(Qt::AccessibleTextRole, markup.spoken());
    }
    setUpdatesEnabled(true);
}

QStringList TextPanel::lines() const {
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out << item(i)->text();
    return out;
}

QString FillListFromFile(TextPanel* panel, const QString& baseFolder, const QString& relative) {
    panel->clear();
    QByteArray bytes;
    const QString reason = ReadContentFile(ContentPath(baseFolder, relative), &bytes);
    if (!reason.isEmpty())
        return reason;
    QStringList lines;
    const QString damage = DecodeContentText(bytes, &lines);
    if (!damage.isEmpty())
        return damage;
    panel->setLines(lines);
    return {};
}

TextPanel* buildPanel(const PanelDesign& design, QWidget* parent) {
    auto* t = new TextPanel(design.ground, parent);
    t->setObjectName(design.name);
    const QRect r = design.twips;
    t->setGeometry(twipsRect(r.x(), r.y(), r.width(), r.height()));
    t->setVisible(design.shownAtStart);
    return t;
}
