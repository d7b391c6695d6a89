#include "app/selection/MouseDialog.h"

#include "app/selection/CustomItemWidget.h"
#include "platform/DeviceChangeNotifier.h"
#include "widgets/KivoPushButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QVBoxLayout>

namespace {
constexpr int kVisibleColumns = 3;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 28;
} // namespace

MouseDialog::MouseDialog(const QStringList& devices, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MouseDialog"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setStyleSheet(
        QStringLiteral("QDialog { background-color: #000000; border: 1px solid #CCCCCC; }"));

    m_pTitle = new QLabel(tr("选择鼠标设备"), this);
    m_pTitle->setStyleSheet(
        QStringLiteral("font-size: 24px; font-weight: bold; color: white; padding: 10px;"));

    m_pPrompt = new QLabel(tr("请点击选择一个鼠标："), this);
    m_pPrompt->setStyleSheet(QStringLiteral("font-size: 16px; color: white; padding: 0px 10px;"));

    m_pList = new QListWidget(this);
    m_pList->setViewMode(QListView::IconMode);
    m_pList->setMovement(QListView::Static);
    m_pList->setResizeMode(QListView::Adjust);
    m_pList->setFlow(QListView::LeftToRight);
    m_pList->setWrapping(true);
    m_pList->setGridSize(QSize(kGridWidth, kGridHeight));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pList->setStyleSheet(
        QStringLiteral("QListWidget { background-color: #000000; border: none; outline: none; }"
                       "QListWidget::item { border-radius: 4px; }"
                       "QListWidget::item:hover { background-color: #333333; }"
                       "QListWidget::item:selected { background-color: #CCCCCC; }"));
    const int listWidth = kVisibleColumns * kGridWidth + 2 * m_pList->frameWidth() + 4;
    const int listHeight = kGridHeight + 2 * m_pList->frameWidth() + 4;
    m_pList->setFixedSize(listWidth, listHeight);

    m_pMessage = new QLabel(tr("Dongle Disconnect!"), this);
    m_pMessage->setStyleSheet(QStringLiteral("font-size: 20px; color: red; font-weight: bold;"));
    m_pMessage->setAlignment(Qt::AlignCenter);
    // Takes the list's place, so the dialog keeps its size when mice come and go.
    m_pMessage->setFixedSize(listWidth, listHeight);

    const QStringList buttonImages =
        KivoPushButton::skinImages({"btn-1.png", "btn-2.png", "btn-3.png"});
    m_pOk = new KivoPushButton(buttonImages, tr("OK"), this);
    m_pCancel = new KivoPushButton(buttonImages, tr("Cancel"), this);
    for (KivoPushButton* button : {m_pOk, m_pCancel})
        button->setFixedSize(kButtonWidth, kButtonHeight);
    m_pOk->setDefault(true);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 8, 16, 16);
    layout->setSpacing(8);
    layout->addWidget(m_pTitle);
    layout->addWidget(m_pPrompt);
    layout->addWidget(m_pList, 0, Qt::AlignHCenter);
    layout->addWidget(m_pMessage, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The selection, not the current row: the list makes its first row current when it takes
    // the focus, and that is no choice of the user's.
    connect(m_pList, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = m_pList->selectedItems();
        markRow(selected.isEmpty() ? -1 : m_pList->row(selected.first()));
    });
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        markRow(m_pList->row(item));
        if (!m_SelectedName.isEmpty())
            accept();
    });

    m_Devices = devices;
    rebuildRows();
}

MouseDialog::~MouseDialog() = default;

void MouseDialog::setNotifier(DeviceChangeNotifier* notifier)
{
    if (m_pNotifier) {
        m_pNotifier->disconnect(this);
        // It may be inside one of its own signals right now.
        m_pNotifier->deleteLater();
    }
    m_pNotifier = notifier;
    if (!notifier)
        return;
    notifier->setParent(this);
    connect(notifier, &DeviceChangeNotifier::deviceArrived, this, &MouseDialog::devicePluggedIn);
    connect(notifier, &DeviceChangeNotifier::deviceRemoved, this, &MouseDialog::deviceUnplugged);
}

DeviceChangeNotifier* MouseDialog::notifier() const
{
    return m_pNotifier;
}

int MouseDialog::markedRow() const
{
    return m_SelectedName.isEmpty() ? -1 : m_Devices.indexOf(m_SelectedName);
}

bool MouseDialog::isShowingDisconnect() const
{
    return !m_pMessage->isHidden() && m_pList->isHidden();
}

CustomItemWidget* MouseDialog::rowWidget(int row) const
{
    return qobject_cast<CustomItemWidget*>(m_pList->itemWidget(m_pList->item(row)));
}

void MouseDialog::slotRefreshList(const QStringList& devices)
{
    const int before = m_Devices.size();
    m_Devices = devices;
    rebuildRows();
    if ((before == 0 || before == 2) && devices.size() == 1) {
        markRow(0);
        accept();
    }
}

void MouseDialog::markRow(int row)
{
    if (row < 0 || row >= m_pList->count()) {
        m_SelectedName.clear();
        m_pList->clearSelection();
    } else {
        m_SelectedName = m_Devices.value(row);
        if (!m_pList->item(row)->isSelected())
            m_pList->setCurrentRow(row);
    }
    for (int i = 0; i < m_pList->count(); ++i) {
        if (CustomItemWidget* widget = rowWidget(i))
            widget->setSelected(i == row);
    }
    m_pOk->setEnabled(!m_SelectedName.isEmpty());
}

void MouseDialog::rebuildRows()
{
    // A mouse that stays keeps its mark when another one comes or goes.
    const QString marked = m_SelectedName;
    {
        const QSignalBlocker blocker(m_pList);
        m_pList->clear();
        for (const QString& name : m_Devices) {
            auto* item = new QListWidgetItem(m_pList);
            item->setSizeHint(QSize(kGridWidth - 6, kGridHeight - 6));
            m_pList->setItemWidget(item, new CustomItemWidget(name, m_pList));
        }
    }
    m_pList->setVisible(!m_Devices.isEmpty());
    m_pMessage->setVisible(m_Devices.isEmpty());
    m_SelectedName.clear();
    markRow(m_Devices.indexOf(marked));
}

void MouseDialog::done(int result)
{
    setNotifier(nullptr);
    QDialog::done(result);
}

void MouseDialog::mousePressEvent(QMouseEvent* event)
{
    m_Drag.press(event->button(), event->screenPos(), frameGeometry().topLeft());
    QDialog::mousePressEvent(event);
}

void MouseDialog::mouseMoveEvent(QMouseEvent* event)
{
    QPoint target;
    if (m_Drag.move(event->screenPos(), &target))
        move(target);
    QDialog::mouseMoveEvent(event);
}

void MouseDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_Drag.release();
    QDialog::mouseReleaseEvent(event);
}
