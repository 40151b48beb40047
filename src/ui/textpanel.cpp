#include "textpanel.h"

#include "basefolder.h"
#include "fonts.h"
#include "textloader.h"
#include "twips.h"

#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <limits>

namespace {

// Draws rows without the focus band that the style puts on the current row
// when the panel takes the keyboard focus: only a click highlights a row.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

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

int TextPanel::cutOffPixels(const QString& line) const {
    return std::max(0, fontMetrics().horizontalAdvance(line) - textRoom());
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
    // One repaint for the whole file rather than one per line.
    panel->setUpdatesEnabled(false);
    panel->addItems(lines);
    panel->setUpdatesEnabled(true);
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
