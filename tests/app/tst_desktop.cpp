// The program on a desktop: Qt's own texts in the user's language, what a screen reader says,
// the keyboard, and the window at the scale the environment gives (the suite runs it at 1x and
// at 2x with QT_SCALE_FACTOR): every text fits its control, nothing overlaps, pictures get
// pixels for the scale.
#include "about/frmabout.h"
#include "app/frmprincipal.h"
#include "app/icons.h"
#include "app/qttranslations.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <memory>

namespace {

// A name a reader can speak is words, not "=", an arrow or "º". On Linux Qt speaks a unit list's
// text as its name and what it qualifies from its description; a read-out label speaks its value
// and says what it is in its description.
bool hasSpokenName(QWidget* control) {
    const bool list = qobject_cast<QComboBox*>(control);
    const QString name =
        list ? control->accessibleDescription()
             : QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    const bool readOut =
        qobject_cast<QLabel*>(control) && !control->accessibleDescription().isEmpty();
    return std::count_if(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }) >= 2 ||
           readOut;
}

// Labels and buttons hold their texts or pictures; a unit list shows every entry whole in what
// its line edit draws in (less 2 px a side and a pixel for the caret). The NUM panel is measured
// bold, as it is while Num Lock is on.
bool textFits(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap()) {
        QFont font = label->font();
        font.setBold(font.bold() || label->objectName() == QLatin1String("labNum"));
        const QFontMetrics metrics(font);
        return metrics.horizontalAdvance(label->text()) <= label->contentsRect().width() &&
               metrics.height() <= label->contentsRect().height();
    }
    if (auto* button = qobject_cast<QPushButton*>(control))
        return (button->text().isEmpty()
                    ? button->iconSize().width()
                    : button->fontMetrics().horizontalAdvance(button->text())) <=
               button->contentsRect().width();
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        const QLineEdit* edit = list->lineEdit();
        const QMargins margins = edit->textMargins();
        const int room = edit->contentsRect().width() - margins.left() - margins.right() - 5;
        for (int i = 0; i < list->count(); ++i)
            if (edit->fontMetrics().horizontalAdvance(list->itemText(i)) > room)
                return false;
    }
    return true;
}

// Where a control shows something, in its parent: a label only where its text is drawn.
QRect inkOf(QWidget* control) {
    QRect ink = control->rect();
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const QFontMetrics metrics = label->fontMetrics();
        const QSize text(metrics.horizontalAdvance(label->text()), metrics.height());
        ink = QStyle::alignedRect(label->layoutDirection(), label->alignment(), text,
                                  label->contentsRect());
    }
    return ink.translated(control->pos());
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmPrincipal> window_;
    std::unique_ptr<frmAbout> about_;

private slots:
    void initTestCase() {
        window_ = std::make_unique<frmPrincipal>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        about_ = std::make_unique<frmAbout>(about::SysInfoServices{}, window_.get());
        // The scale the suite asked for is the one the window is drawn at.
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(window_->devicePixelRatioF(), scale);
        QCOMPARE(window_->grab().size(), window_->size() * scale);
    }

    void qtTextsFollowTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("texts"); // the OK button, then the context menu
        QTest::newRow("Spanish") << "es_ES"
                                 << QStringList{"Aceptar", "&Deshacer", "&Copiar", "&Pegar"};
        // No translation for the language: Qt's own English stays.
        QTest::newRow("C") << "C" << QStringList{"OK", "&Undo", "&Copy", "&Paste"};
    }
    void qtTextsFollowTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(QStringList, texts);
        const std::unique_ptr<QTranslator> translator(installQtTranslations(QLocale(locale)));
        QCOMPARE(translator != nullptr, locale != QLatin1String("C"));
        QMessageBox box(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), texts.takeFirst());
        QLineEdit field;
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList shown;
        for (QAction* action : menu->actions())
            shown << action->text().section(QLatin1Char('\t'), 0, 0);
        for (const QString& text : texts)
            QVERIFY2(shown.contains(text), qPrintable(shown.join(QLatin1Char(' '))));
    }

    // Every part of the window at the scale of this run: the pages, the controls below them,
    // the status bar and the About window.
    void eachPart_data() {
        QTest::addColumn<int>("part");
        int part = 0;
        for (const char* tag : {"Horas y Grados", "Distancias", "Temperaturas", "below the pages",
                                "status bar", "Acerca de"})
            QTest::newRow(tag) << part++;
    }
    void eachPart() {
        QFETCH(int, part);
        about_->setVisible(part == 5);
        window_->tabFichas->setCurrentIndex(std::min(part, 2));
        QWidget* const parts[] = {window_->tabFichas->widget(0),
                                  window_->tabFichas->widget(1),
                                  window_->tabFichas->widget(2),
                                  window_->centralWidget(),
                                  window_->StatusBar,
                                  about_.get()};
        QList<QWidget*> controls = parts[part]->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        controls.removeIf([](QWidget* w) {
            return w->isHidden() || w->objectName().isEmpty() || w->objectName().startsWith("qt_");
        });
        QVERIFY(!controls.isEmpty());
        for (qsizetype a = 0; a < controls.size(); ++a) {
            const QString name = controls[a]->objectName();
            QVERIFY2(hasSpokenName(controls[a]), qPrintable(name));
            QVERIFY2(textFits(controls[a]), qPrintable(name));
            for (qsizetype b = a + 1; b < controls.size(); ++b)
                QVERIFY2(!inkOf(controls[a]).intersects(inkOf(controls[b])),
                         qPrintable(name + " / " + controls[b]->objectName()));
        }
        about_->hide();
    }

    // Captions are tied to what they describe, so the reader announces them together.
    void captionsNameWhatTheyDescribe() {
        const std::pair<const char*, const char*> captions[] = {{"labCelcius", "txtCelsius"},
                                                                {"labFahrenheit", "txtFahrenheit"},
                                                                {"labKelvin", "txtKelvin"},
                                                                {"labHumedad1", "sldHumedad"},
                                                                {"labRocio1", "labRocio"}};
        for (const auto& [caption, described] : captions) {
            auto* label = window_->findChild<QLabel*>(caption);
            auto* control = window_->findChild<QWidget*>(described);
            QVERIFY(label && control);
            const auto relations =
                QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
            QVERIFY2(std::any_of(relations.begin(), relations.end(),
                                 [label](const auto& r) { return r.first->object() == label; }),
                     caption);
        }
    }

    // "Acerca de..." has no access key of its own: it is reached from the open menu.
    void keyboardReachesTheAboutWindow() {
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                modal->close();
            }
        });
        QApplication::setActiveWindow(window_.get());
        QTest::keyClick(window_.get(), Qt::Key_O, Qt::AltModifier);
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_Right);
        QTest::keyClick(window_->menuBar(), Qt::Key_Return);
        QCOMPARE(opened, QStringLiteral("frmAbout"));
    }

    // Pictures are drawn for each scale, never a 16 or 32 px image stretched up.
    void picturesHavePixelsForEveryScale() {
        for (qreal scale : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            for (const QIcon& icon : {icons::copyIcon(), icons::pasteIcon(), icons::windowIcon()}) {
                const QPixmap pixmap = icon.pixmap(QSize(16, 16), scale);
                QCOMPARE(pixmap.size(), QSize(16, 16) * scale);
                QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(16, 16));
            }
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
