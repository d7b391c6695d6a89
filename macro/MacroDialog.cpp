#include "macro/MacroDialog.h"

#include "macro/KivoGunsetDialog.h"
#include "macro/MacroCommandButton.h"
#include "macro/MacroEditPanel.h"
#include "macro/MacroEventView.h"
#include "macro/MacroFileActions.h"
#include "macro/MacroOptions.h"
#include "macro/MacroRows.h"
#include "macro/MouseCommandTree.h"
#include "model/DeviceDescription.h"
#include "model/KeyTable.h"
#include "model/MacroFile.h"
#include "model/MacroList.h"
#include "platform/KeyboardHookFactory.h"
#include "widgets/KeyCapture.h"
#include "widgets/KivoPushButton.h"
#include "widgets/PageGeometry.h"
#include "widgets/SkinStyleSheet.h"
#include "widgets/UserPrompts.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
constexpr int kPageWidth = 729;
constexpr int kPageHeight = 477;
constexpr int kInsertedDelayMs = 10;
} // namespace

MacroDialog::MacroDialog(QWidget* parent, double dScale, std::unique_ptr<KeyboardHook> hook)
    : QWidget(parent), m_iUnit(DeviceDescription::minDelay()), m_dScale(dScale),
      m_Recorder(m_iUnit), m_pFiles(std::make_unique<MacroFileActions>(this))
{
    setObjectName(QStringLiteral("MacroDialog"));
    setAttribute(Qt::WA_TranslucentBackground);
    // Where the hook is not global, the keys typed into this page are the ones recorded.
    setFocusPolicy(Qt::StrongFocus);
    if (!hook)
        hook = KeyboardHookFactory::create();
    const bool bHaveHook = hook != nullptr;
    m_pCapture = new KeyCapture(this, KeyboardHook::Observe, std::move(hook));
    connect(m_pCapture, &KeyCapture::keyCaptured, this, &MacroDialog::onKey);
    buildControls();
    m_pHint->setProperty("haveHook", bHaveHook);
    retranslate();
    layoutControls(dScale);
    reloadMacroList();
}

MacroDialog::~MacroDialog() = default;

void MacroDialog::buildControls()
{
    m_pListCaption = new QLabel(this);
    m_pListCaption->setObjectName(QStringLiteral("caption"));
    m_pMacroList = new QListWidget(this);
    m_pMacroList->setObjectName(QStringLiteral("macroList"));
    connect(m_pMacroList, &QListWidget::clicked, this, &MacroDialog::itemClicked);
    m_pNameCaption = new QLabel(this);
    m_pNameCaption->setObjectName(QStringLiteral("caption"));
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("macroName"));
    m_pName->setMaxLength(MacroFileActions::kMaxGunNameLength);

    for (int i = 0; i < kCommandCount; ++i) {
        m_pButtons[i] = MacroCommandButton::create(this, i, m_dScale);
        connect(m_pButtons[i], &QPushButton::clicked, this, &MacroDialog::onCommandClicked);
    }

    m_pEvents = new MacroEventView(this);
    m_pEvents->setObjectName(QStringLiteral("eventList"));
    connect(m_pEvents->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MacroDialog::CurrentChanged);
    m_pHint = new QLabel(this);
    m_pHint->setObjectName(QStringLiteral("hint"));

    m_pTreeCaption = new QLabel(this);
    m_pTreeCaption->setObjectName(QStringLiteral("caption"));
    m_pTree = new MouseCommandTree(this);
    m_pTree->setObjectName(QStringLiteral("mouseCommands"));
    connect(m_pTree, &QTreeWidget::itemClicked, this, &MacroDialog::TreeitemClick);

    m_pPanel = new MacroEditPanel(this);
    connect(m_pPanel, &MacroEditPanel::buttonChosen, this, &MacroDialog::onButtonChosen);
    connect(m_pPanel, &MacroEditPanel::moveTextChanged, this, &MacroDialog::EditMoveChanged);
    connect(m_pPanel, &MacroEditPanel::delayTextChanged, this, &MacroDialog::EditDelayChanged);

    m_pOptions = new MacroOptions(this);
    connect(m_pOptions, &MacroOptions::optionClicked, this, &MacroDialog::checkbtn_clicked);
    connect(m_pOptions->defaultDelayField(), &QLineEdit::textChanged, this,
            &MacroDialog::DefDelayChanged);
    connect(m_pOptions->loopTimeField(), &QLineEdit::textChanged, this,
            &MacroDialog::LoopTimeChanged);
}

void MacroDialog::layoutControls(double dScale)
{
    m_dScale = dScale;
    setStyleSheet(SkinStyleSheet::pages(dScale) + SkinStyleSheet::lists(dScale));
    setGeometry(0, 0, qRound(kPageWidth * dScale), qRound(kPageHeight * dScale));
    // The page's own type size: its long option texts must fit their column at every scale.
    QFont pageFont = font();
    pageFont.setPixelSize(qRound(12 * dScale));
    setFont(pageFont);
    m_pListCaption->setGeometry(PageGeometry::rect(10, 6, 150, 20, dScale));
    m_pMacroList->setGeometry(PageGeometry::rect(10, 28, 150, 300, dScale));
    m_pNameCaption->setGeometry(PageGeometry::rect(10, 332, 150, 18, dScale));
    m_pName->setGeometry(PageGeometry::rect(10, 352, 150, 22, dScale));
    for (int i = 0; i < kCommandCount; ++i) {
        MacroCommandButton::place(m_pButtons[i], i, dScale);
    }
    m_pEvents->setGeometry(PageGeometry::rect(170, 32, 280, 322, dScale));
    m_pEvents->setScale(dScale);
    m_pHint->setGeometry(PageGeometry::rect(170, 356, 280, 20, dScale));
    m_pTreeCaption->setGeometry(PageGeometry::rect(462, 6, 258, 20, dScale));
    m_pTree->setScale(dScale);
    QRect tree = PageGeometry::rect(462, 28, 258, 206, dScale);
    tree.setHeight(qMax(tree.height(), m_pTree->fullHeight()));
    m_pTree->setGeometry(tree);
    // The edit panel follows a list that had to grow; the options below have room to spare.
    QRect panel = PageGeometry::rect(462, 240, 258, 86, dScale);
    panel.moveTop(qMax(panel.top(), tree.bottom() + 1 + qRound(4 * dScale)));
    m_pPanel->setGeometry(panel);
    m_pPanel->layoutControls(dScale);
    m_pOptions->setGeometry(PageGeometry::rect(462, 338, 258, 130, dScale));
    m_pOptions->layoutControls(dScale);
}

void MacroDialog::retranslate()
{
    for (int i = 0; i < kCommandCount; ++i)
        m_pButtons[i]->setText(MacroCommandButton::text(i));
    m_pButtons[StartStop]->setText(m_bRecording ? tr("STOP") : tr("START"));
    m_pListCaption->setText(tr("MACRO LIST"));
    m_pNameCaption->setText(tr("MACRO NAME"));
    m_pTreeCaption->setText(tr("MOUSE COMMAND"));
    m_pEvents->retranslate();
    m_pTree->retranslate();
    m_pPanel->retranslate();
    m_pOptions->retranslate();
    updateHint();
}

void MacroDialog::updateHint()
{
    if (m_pMacroList->count() == 0)
        m_pHint->setText(tr("Press NEW to make a macro, then START."));
    else if (!m_pHint->property("haveHook").toBool())
        m_pHint->setText(tr("No keyboard access: keys cannot be recorded."));
    else if (!m_pCapture->isGlobal())
        m_pHint->setText(tr("Only keys typed into this window are recorded."));
    else
        m_pHint->clear();
}

void MacroDialog::showEvent(QShowEvent* event)
{
    // Hiding the window ends the capture; a recording that is still on takes keys again.
    if (m_bRecording && MacroList::count() > 0)
        m_pCapture->start();
    QWidget::showEvent(event);
}

void MacroDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// The macro list ----------------------------------------------------------------------------

void MacroDialog::reloadMacroList(const QString& select)
{
    const QStringList names = MacroList::names();
    const QStringList checked = checkedMacros();
    m_pMacroList->clear();
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(name, m_pMacroList);
        if (m_bBatch) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(checked.contains(name) ? Qt::Checked : Qt::Unchecked);
        }
    }
    updateHint();
    const int row = names.contains(select) ? names.indexOf(select) : (names.isEmpty() ? -1 : 0);
    if (row < 0) {
        m_CurrentName.clear();
        m_pName->clear();
        m_Rows.setRows({});
        m_pOptions->setOptions(MacroFileData::newMacro());
        refreshRows();
        return;
    }
    m_pMacroList->setCurrentRow(row);
    // The macro on screen keeps its unsaved rows when the list is only rebuilt around it.
    if (names.at(row) != m_CurrentName)
        loadMacro(names.at(row));
}

QStringList MacroDialog::checkedMacros() const
{
    QStringList names;
    for (int i = 0; i < m_pMacroList->count(); ++i) {
        const QListWidgetItem* item = m_pMacroList->item(i);
        if ((item->flags() & Qt::ItemIsUserCheckable) && item->checkState() == Qt::Checked)
            names.append(item->text());
    }
    return names;
}

void MacroDialog::itemClicked(const QModelIndex& index)
{
    const QListWidgetItem* item = m_pMacroList->item(index.row());
    if (!item || item->text() == m_CurrentName)
        return;
    // Rows not saved yet are the user's to keep or drop, not a list click's.
    if (!m_pFiles->mayLeave(m_CurrentName, m_Rows.isModified(), [this] { saveCurrent(); }))
        return reloadMacroList(m_CurrentName);
    loadMacro(item->text());
}

void MacroDialog::loadMacro(const QString& name)
{
    const MacroFileData data = MacroFile::load(name);
    QVector<MacroEvent> rows;
    rows.reserve(data.events.size());
    for (const MacroEvent& e : data.events) {
        // A button row that names no button could not be played back.
        if (MacroRows::kind(e) == MacroRows::ButtonKind && !MacroRows::isValidButton(e.DataL))
            continue;
        rows.append(e);
    }
    m_CurrentName = name;
    m_pName->setText(name);
    m_pOptions->setOptions(data);
    m_Rows.setRows(rows);
    refreshRows();
}

// Commands ----------------------------------------------------------------------------------

void MacroDialog::onCommandClicked()
{
    const QVariant command =
        sender() ? sender()->property(MacroCommandButton::kCommandProperty) : QVariant();
    if (command.isValid())
        runCommand(Command(command.toInt()));
}

void MacroDialog::runCommand(Command command)
{
    switch (command) {
    case StartStop:
        m_bRecording ? stopRecording() : startRecording();
        break;
    case NewMacro: {
        const QString name = m_pFiles->createNew();
        if (!name.isEmpty())
            reloadMacroList(name);
        break;
    }
    case DeleteMacro:
        if (m_CurrentName.isEmpty())
            break;
        m_pFiles->remove(m_CurrentName);
        m_CurrentName.clear();
        reloadMacroList();
        break;
    case ChangeName:
        if (!m_CurrentName.isEmpty() && m_pFiles->rename(m_CurrentName, m_pName->text())) {
            // The rows on screen stay as they are: renaming is not saving.
            m_CurrentName = m_pName->text();
            reloadMacroList(m_CurrentName);
        }
        break;
    case Save:
        saveCurrent();
        leaveEditing();
        break;
    case Cancel:
        if (!m_CurrentName.isEmpty())
            loadMacro(m_CurrentName);
        leaveEditing();
        break;
    case DeleteRow:
        if (m_Rows.apply(MacroRowEditor::DeleteRow))
            refreshRows();
        break;
    case MoveUp:
    case MoveDown:
    case MoveTop:
    case MoveBottom:
    case ClearRows: {
        static const MacroRowEditor::Command rowCommands[] = {
            MacroRowEditor::MoveUp, MacroRowEditor::MoveDown, MacroRowEditor::MoveTop,
            MacroRowEditor::MoveBottom, MacroRowEditor::Clear};
        if (m_Rows.apply(rowCommands[command - MoveUp]))
            refreshRows();
        break;
    }
    case EditKey: {
        const MacroEvent* row = m_Rows.currentRow();
        if (!row || MacroRows::kind(*row) != MacroRows::KeyKind)
            break;
        m_bKeyEdit = true;
        m_pPanel->setKeyEditMode(true);
        m_pCapture->start();
        setFocus();
        break;
    }
    case InsertDelay:
        if (MacroList::count() > 0)
            insertRows({MacroRows::delayMs(kInsertedDelayMs, m_iUnit)});
        break;
    case GunSet:
        openGunSet();
        break;
    case Import:
        if (m_bBatch) {
            if (!m_pFiles->importMany().isEmpty())
                reloadMacroList(m_CurrentName);
        } else {
            const QString name = m_pFiles->importOne();
            if (!name.isEmpty())
                reloadMacroList(name);
        }
        break;
    case Export:
        if (m_bBatch)
            m_pFiles->exportMany(checkedMacros());
        else if (!m_CurrentName.isEmpty())
            m_pFiles->exportOne(m_CurrentName);
        break;
    case Batch:
        m_bBatch = !m_bBatch;
        m_pButtons[Batch]->setCheckable(true);
        m_pButtons[Batch]->setChecked(m_bBatch);
        reloadMacroList(m_CurrentName);
        break;
    case Copy:
        m_Rows.copy(m_pEvents->selectedRows());
        break;
    case Cut:
        if (m_Rows.cut(m_pEvents->selectedRows()))
            refreshRows();
        break;
    case Paste:
        if (m_Rows.paste())
            refreshRows();
        break;
    case kCommandCount:
        break;
    }
}

void MacroDialog::openGunSet()
{
    if (!m_pFiles->checkRoom())
        return;
    KivoGunsetDialog dialog(this, m_dScale, m_iUnit);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = m_pFiles->saveGunFile(dialog.fileName(), dialog.rows());
    if (!name.isEmpty())
        reloadMacroList(name);
}

void MacroDialog::saveCurrent()
{
    if (m_CurrentName.isEmpty())
        return;
    MacroFileData data;
    m_pOptions->fillData(data);
    data.events = m_Rows.rows();
    const bool bSaved = m_pFiles->save(m_CurrentName, data);
    if (bSaved)
        m_Rows.markSaved();
    qDebug("macro saved: ok %d, %d rows", int(bSaved), int(data.events.size()));
}

void MacroDialog::leaveEditing()
{
    m_bKeyEdit = false;
    m_pPanel->setKeyEditMode(false);
    if (!m_bRecording) {
        m_pCapture->stop();
        setControlsEnabled(true);
    }
}

// Recording ---------------------------------------------------------------------------------

void MacroDialog::startRecording()
{
    // Without a macro there is nothing to record into; the hint says to press NEW.
    if (MacroList::count() == 0)
        return;
    leaveEditing();
    m_bRecording = true;
    m_pButtons[StartStop]->setText(tr("STOP"));
    m_Rows.setRows({});
    refreshRows();
    setControlsEnabled(false);
    emit EnableButtonsSignal(false);
    m_Recorder.setDelayMode(m_pOptions->delayType());
    m_Recorder.setDefaultDelay(m_pOptions->defaultDelay());
    m_Recorder.begin();
    m_pCapture->start();
    setFocus();
    qDebug("macro recording started");
}

void MacroDialog::stopRecording()
{
    m_bRecording = false;
    m_pButtons[StartStop]->setText(tr("START"));
    m_pCapture->stop();
    setControlsEnabled(true);
    emit EnableButtonsSignal(true);
    if (!MacroRows::allReleased(m_Rows.rows()))
        UserPrompts::notice(this, tr("Warning"), tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
    if (MacroList::count() > 0)
        saveCurrent();
}

void MacroDialog::setControlsEnabled(bool bEnable)
{
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != m_pButtons[StartStop])
            child->setEnabled(bEnable);
    }
}

void MacroDialog::onKey(const KeyStroke& stroke)
{
    if (m_bRecording) {
        const bool bTaken =
            m_Recorder.onHookKey(stroke.scanCode, stroke.isRelease(), stroke.timeMs, m_Rows.rows());
        // Every stroke the recording saw, taken or dropped: lost keys show up against this.
        qDebug("OnHookKey ret %d %d %d", int(bTaken), stroke.scanCode, stroke.flags);
        if (bTaken) {
            m_Rows.selectLast();
            refreshRows();
        }
        return;
    }
    const MacroEvent* row = m_Rows.currentRow();
    quint8 usage = 0;
    if (!m_bKeyEdit || stroke.isRelease() || !row || MacroRows::kind(*row) != MacroRows::KeyKind ||
        !KeyTable::keyCodeToUsage(stroke.scanCode, usage))
        return;
    m_Rows.replaceCurrent(MacroEvent{row->Map, row->DataH, usage});
    refreshRows();
}

// Rows ----------------------------------------------------------------------------------------

void MacroDialog::insertRows(const QVector<MacroEvent>& rows)
{
    if (m_Rows.insert(rows))
        refreshRows();
}

void MacroDialog::refreshRows()
{
    m_pEvents->setRows(m_Rows.rows(), m_iUnit, m_Rows.current());
    updatePanel();
}

void MacroDialog::SelectRow(int iRow)
{
    m_Rows.setCurrent(iRow);
    refreshRows();
}

void MacroDialog::CurrentChanged(const QModelIndex& current, const QModelIndex&)
{
    m_Rows.setCurrent(current.isValid() ? current.row() : -1);
    updatePanel();
}

void MacroDialog::updatePanel()
{
    const MacroEvent* row = m_Rows.currentRow();
    m_pPanel->showRow(row, m_iUnit);
    if (m_bRecording)
        return;
    // Keys are taken only while a key row is being edited; any other row lets go of them.
    if (m_bKeyEdit && row && MacroRows::kind(*row) == MacroRows::KeyKind)
        m_pCapture->start();
    else
        m_pCapture->stop();
}

void MacroDialog::TreeitemClick(QTreeWidgetItem* item, int)
{
    const MouseCommandTree::Entry entry = m_pTree->entry(item);
    const MouseCommandRows commands(m_pOptions->delayType(), m_pOptions->defaultDelay(), m_iUnit);
    switch (entry.kind) {
    case MouseCommandTree::ClickEntry:
        if (item->isExpanded())
            insertRows(commands.click(entry.mask, MouseCommandRows::WholeClick));
        else
            m_pTree->expandOnly(item);
        break;
    case MouseCommandTree::ClickPartEntry:
        insertRows(commands.click(entry.mask, entry.part));
        break;
    case MouseCommandTree::MoveEntry: {
        const int d = m_pTree->distance(entry.direction);
        if (d > 0)
            insertRows(commands.move(entry.direction, d));
        break;
    }
    case MouseCommandTree::NoEntry:
        break;
    }
}

void MacroDialog::onButtonChosen(quint8 mask)
{
    const MacroEvent* row = m_Rows.currentRow();
    if (!row || MacroRows::kind(*row) != MacroRows::ButtonKind)
        return;
    m_Rows.replaceCurrent(MacroEvent{row->Map, 0, mask});
    m_pEvents->setRows(m_Rows.rows(), m_iUnit, m_Rows.current());
}

void MacroDialog::EditMoveChanged(const QString& text)
{
    const MacroEvent* row = m_Rows.currentRow();
    const int d = text.toInt();
    if (!row || MacroRows::kind(*row) != MacroRows::MoveKind || d < 1 ||
        d > MacroRows::kMaxMoveDistance)
        return;
    m_Rows.replaceCurrent(MacroRows::move(MacroRows::direction(*row), d));
    m_pEvents->setRows(m_Rows.rows(), m_iUnit, m_Rows.current());
}

void MacroDialog::EditDelayChanged(const QString& text)
{
    const MacroEvent* row = m_Rows.currentRow();
    const int ms = text.toInt();
    // Below the field's bottom the user is still typing.
    if (!row || MacroRows::kind(*row) != MacroRows::DelayKind || ms < kInsertedDelayMs)
        return;
    m_Rows.replaceCurrent(MacroRows::delayMs(ms, m_iUnit));
    m_pEvents->setRows(m_Rows.rows(), m_iUnit, m_Rows.current());
}

void MacroDialog::DefDelayChanged(const QString& text)
{
    m_iDefaultDelay = text.toInt();
    m_Recorder.setDefaultDelay(m_iDefaultDelay);
}

void MacroDialog::LoopTimeChanged(const QString& text)
{
    m_iLoopTime = text.toInt();
}

void MacroDialog::checkbtn_clicked()
{
    m_Recorder.setDelayMode(m_pOptions->delayType());
}
