#include "macro/MouseCommandTree.h"

#include "macro/MacroRowText.h"
#include "widgets/MyIntValidator.h"

#include <QHeaderView>
#include <QLineEdit>

namespace {
enum Role
{
    KindRole = Qt::UserRole,
    ValueRole,
    PartRole
};
const quint8 kClickMasks[] = {MacroRows::kLeft, MacroRows::kMiddle, MacroRows::kRight,
                              MacroRows::kForward, MacroRows::kBackward};
const MacroRows::Direction kDirections[] = {MacroRows::MoveLeft, MacroRows::MoveRight,
                                            MacroRows::MoveUp, MacroRows::MoveDown};
} // namespace

MouseCommandTree::MouseCommandTree(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderHidden(true);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setRootIsDecorated(false);
    setIndentation(12);
    // The list is short and fixed: it is sized to show all of it (fullHeight).
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (quint8 mask : kClickMasks) {
        auto* item = new QTreeWidgetItem(this);
        item->setData(0, KindRole, ClickEntry);
        item->setData(0, ValueRole, mask);
        for (auto part : {MouseCommandRows::PressOnly, MouseCommandRows::ReleaseOnly}) {
            auto* child = new QTreeWidgetItem(item);
            child->setData(0, KindRole, ClickPartEntry);
            child->setData(0, ValueRole, mask);
            child->setData(0, PartRole, part);
        }
        m_Clicks.append(item);
    }
    for (MacroRows::Direction direction : kDirections) {
        auto* item = new QTreeWidgetItem(this);
        item->setData(0, KindRole, MoveEntry);
        item->setData(0, ValueRole, int(direction));
        auto* field = new QLineEdit(QStringLiteral("10"), this);
        field->setObjectName(QStringLiteral("distance%1").arg(int(direction)));
        field->setMaxLength(3);
        field->setValidator(new MyIntValidator(1, MacroRows::kMaxMoveDistance, field));
        setItemWidget(item, 1, field);
        m_Moves.append(item);
        m_Distances.append(field);
    }
    retranslate();
}

void MouseCommandTree::retranslate()
{
    for (QTreeWidgetItem* item : m_Clicks) {
        item->setText(0, MacroRowText::buttonName(quint8(item->data(0, ValueRole).toInt())));
        item->child(0)->setText(0, tr("PRESS DOWN"));
        item->child(1)->setText(0, tr("BOUNCE UP"));
    }
    for (QTreeWidgetItem* item : m_Moves)
        item->setText(0, MacroRowText::directionName(item->data(0, ValueRole).toInt()));
}

void MouseCommandTree::setScale(double dScale)
{
    header()->setStretchLastSection(false);
    header()->resizeSection(0, qRound(180 * dScale));
    header()->resizeSection(1, qRound(50 * dScale));
    setIndentation(qRound(12 * dScale));
    // Every row the same height, from the page's type size set on the list itself (the page's
    // font would not reach it under the style sheet): a taller script (Chinese) must not push
    // the last entries out of sight.
    QFont type = font();
    type.setPixelSize(qRound(kTypeSize * dScale));
    setFont(type);
    m_iRowHeight = qMax(QFontMetrics(type).height(), qRound(kRowHeight * dScale));
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        (*it)->setSizeHint(0, QSize(-1, m_iRowHeight));
    for (QLineEdit* field : qAsConst(m_Distances)) {
        field->setFont(type);
        field->setFixedHeight(m_iRowHeight);
    }
}

int MouseCommandTree::fullHeight() const
{
    // All entries, one of them open with its two parts, inside the frame.
    const int rows = m_Clicks.size() + m_Moves.size() + 2;
    return rows * m_iRowHeight + 2 * frameWidth();
}

MouseCommandTree::Entry MouseCommandTree::entry(const QTreeWidgetItem* item) const
{
    Entry e;
    if (!item)
        return e;
    e.kind = EntryKind(item->data(0, KindRole).toInt());
    if (e.kind == MoveEntry)
        e.direction = MacroRows::Direction(item->data(0, ValueRole).toInt());
    else
        e.mask = quint8(item->data(0, ValueRole).toInt());
    if (e.kind == ClickPartEntry)
        e.part = MouseCommandRows::ClickPart(item->data(0, PartRole).toInt());
    return e;
}

QLineEdit* MouseCommandTree::distanceField(MacroRows::Direction direction) const
{
    return m_Distances.value(int(direction));
}

int MouseCommandTree::distance(MacroRows::Direction direction) const
{
    const QLineEdit* field = distanceField(direction);
    const int d = field ? field->text().toInt() : 0;
    return (d >= 1 && d <= MacroRows::kMaxMoveDistance) ? d : 0;
}

QTreeWidgetItem* MouseCommandTree::clickItem(quint8 mask) const
{
    for (QTreeWidgetItem* item : m_Clicks) {
        if (item->data(0, ValueRole).toInt() == mask)
            return item;
    }
    return nullptr;
}

QTreeWidgetItem* MouseCommandTree::moveItem(MacroRows::Direction direction) const
{
    return m_Moves.value(int(direction));
}

void MouseCommandTree::expandOnly(QTreeWidgetItem* item)
{
    for (QTreeWidgetItem* click : m_Clicks)
        click->setExpanded(click == item);
}
