#include "WindowRig.h"

#include "app/window/LanguageSwitcher.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTreeWidget>
#include <QtTest>

// Every page of the window in every language at two scales: each text fits its control, and a
// list that does not scroll shows all its rows.
class TestTextFit : public QObject
{
    Q_OBJECT
private:
    static QString where(const QWidget* w)
    {
        QString path;
        for (const QWidget* p = w; p; p = p->parentWidget())
            path.prepend(
                "/" + (p->objectName().isEmpty() ? p->metaObject()->className() : p->objectName()));
        return path;
    }

    // What does not fit on the window as it shows now, one line each.
    static QStringList misfits(QWidget* window)
    {
        QStringList found;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->width() <= 0 || w->window() != window)
                continue;
            const QFontMetrics fm(w->font());
            if (auto* label = qobject_cast<QLabel*>(w)) {
                const QString text = label->text();
                if (text.isEmpty() || Qt::mightBeRichText(text))
                    continue;
                const QRect room = label->contentsRect();
                const int need = label->wordWrap() ? label->heightForWidth(room.width())
                                                   : fm.size(0, text).width();
                if (label->wordWrap() ? need > room.height() : need > room.width())
                    found << QString("%1 \"%2\" needs %3, has %4x%5")
                                 .arg(where(w), text)
                                 .arg(need)
                                 .arg(room.width())
                                 .arg(room.height());
            } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
                auto* box = static_cast<QAbstractButton*>(w);
                if (!box->text().isEmpty() && box->sizeHint().width() > box->width())
                    found << QString("%1 \"%2\" needs %3, has %4")
                                 .arg(where(w), box->text())
                                 .arg(box->sizeHint().width())
                                 .arg(box->width());
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                const int need = fm.horizontalAdvance(button->text());
                if (need > button->width())
                    found << QString("%1 \"%2\" needs %3, has %4")
                                 .arg(where(w), button->text())
                                 .arg(need)
                                 .arg(button->width());
            } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
                // A fixed list gives up its scroll bar: all of it must be in sight.
                if (tree->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                    tree->verticalScrollBar()->maximum() > 0)
                    found << QString("%1 scrolls %2 beyond its height %3")
                                 .arg(where(w))
                                 .arg(tree->verticalScrollBar()->maximum())
                                 .arg(tree->viewport()->height());
                for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                    const QRect cell = tree->visualItemRect(*it);
                    const int need = fm.horizontalAdvance((*it)->text(0));
                    if (!(*it)->isHidden() && cell.isValid() &&
                        need > tree->columnWidth(0) - cell.left() - tree->indentation())
                        found << QString("%1 \"%2\" needs %3, has %4")
                                     .arg(where(w), (*it)->text(0))
                                     .arg(need)
                                     .arg(tree->columnWidth(0) - cell.left());
                }
            }
        }
        return found;
    }

private slots:
    void everyPageFits_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<double>("scale");
        const char* const names[] = {"English", "Simplified Chinese", "Traditional Chinese"};
        for (int language = 0; language < 3; ++language) {
            for (double scale : {1.0, 2.0})
                QTest::addRow("%s at %.1f", names[language], scale) << language << scale;
        }
    }
    void everyPageFits()
    {
        QFETCH(int, language);
        QFETCH(double, scale);
        WindowRig rig(QStringLiteral("hornbeam"), true, false, 10, {},
                      [scale](MousecfgServices& s) { s.dScale = scale; });
        MousecfgWidget& w = rig.window();
        QVERIFY(w.languageSwitcher()->pick(language));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList found;
        for (const char* tab : {"tabLighting", "tabCustomize", "tabDpi", "tabMacro"}) {
            rig.button(tab)->click();
            QCoreApplication::processEvents();
            // The mouse command list with a click entry open: two more rows.
            if (auto* tree = w.findChild<QTreeWidget*>("mouseCommands"))
                tree->topLevelItem(0)->setExpanded(true);
            QTest::qWait(50);
            for (const QString& misfit : misfits(&w))
                found << QString("%1: %2").arg(tab, misfit);
        }
        found.removeDuplicates();
        for (const QString& misfit : found)
            qWarning().noquote() << misfit;
        QVERIFY2(found.isEmpty(), qPrintable(QString("%1 texts do not fit").arg(found.size())));
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
