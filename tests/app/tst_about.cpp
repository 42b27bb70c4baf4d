// The About window: opened modally from the main window, loaded afresh each time, closed from
// the keyboard, and its button's message shown in a real box.
#include "about/frmabout.h"
#include "about/version.h"
#include "app/frmprincipal.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// A registry with no keys at all.
class EmptyRegistry final : public platform::Registry {
public:
    long openKey(platform::RegistryRoot, std::string_view, std::uint32_t, Key&) override {
        return platform::statusNotFound;
    }
    long queryValue(Key, std::string_view, std::uint32_t&, std::byte*, std::uint32_t&) override {
        return platform::statusNotFound;
    }
    void closeKey(Key) override {}
};

// Services that find no tool, start nothing and record what would be shown.
struct RecordingServices {
    EmptyRegistry registry;
    QList<numtext::Message> messages;

    about::SysInfoServices services(bool recordMessages = true) {
        about::SysInfoServices result{&registry,
                                      [](const std::string&) { return false; },
                                      [](const std::string&) { return false; },
                                      {},
                                      numtext::fullStopLocale};
        if (recordMessages)
            result.showMessage = [this](const numtext::Message& m) { messages << m; };
        return result;
    }
};

// Runs `inside` on the modal widget as soon as the modal loop that `open` starts is running.
template <typename Widget>
void whileModal(const std::function<void()>& open, const std::function<void(Widget*)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        ran = true;
        if (auto* widget = qobject_cast<Widget*>(modal.data()))
            inside(widget);
        // Whatever failed inside, never leave the test stuck in a loop it cannot end.
        if (modal && modal->isVisible())
            modal->close();
    });
    open();
    QVERIFY2(ran, "the window was not modal");
}

const QString description = QStringLiteral(
    "Tarabel: programa de conversión entre grados y horas decimales y sexagesimales, medidas de "
    "distancia, temperaturas y cálculo del punto de rocío.");

} // namespace

class tst_about : public QObject {
    Q_OBJECT

private slots:
    void opensFreshAndModalEachTime();
    void keyboard_data();
    void keyboard();
    void unavailableToolShowsPlainBox();
};

void tst_about::opensFreshAndModalEachTime() {
    frmPrincipal main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    const auto version = about::programVersion();
    const QString expectedVersion =
        QStringLiteral("Versión %1.%2").arg(version.major).arg(version.minor);

    QList<QPointer<frmAbout>> opened;
    for (int opening = 0; opening < 2; ++opening) {
        bool closedFromInside = false;
        whileModal<frmAbout>(
            [&] { main.mnuAcercaDe->trigger(); },
            [&](frmAbout* about) {
                opened << about;
                QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
                QCOMPARE(about->windowTitle(), QStringLiteral("Tarabel"));
                QCOMPARE(about->windowModality(), Qt::ApplicationModal);
                QVERIFY(!about->windowIcon().isNull());
                QCOMPARE(about->windowIcon().cacheKey(), main.windowIcon().cacheKey());
                QCOMPARE(about->size(), QSize(373, 237));
                QCOMPARE(about->minimumSize(), about->maximumSize());

                // Loaded before it is shown, whatever the last one showed.
                QCOMPARE(about->lblVersion->text(), expectedVersion);
                QCOMPARE(about->txtTexto->toPlainText(), description + ' ' + about->Label1->text() +
                                                             ' ' + about->Label2->text() + ' ' +
                                                             about->Label3->text());
                about->lblVersion->setText(QStringLiteral("cambiado"));
                about->txtTexto->clear();

                QTest::keyClick(about->focusWidget() ? about->focusWidget() : about,
                                Qt::Key_Escape);
                QVERIFY(!about->isVisible());
                closedFromInside = true;
            });
        // The menu's handler returns only once the window has closed, and the window is gone.
        QVERIFY(closedFromInside);
        QCOMPARE(opened.size(), opening + 1);
        QVERIFY(opened.last().isNull());
        QVERIFY(main.findChildren<frmAbout*>().isEmpty());
    }
}

// Escape closes the window; Enter presses Aceptar unless the focus is on the other button,
// which then takes it (and, with no tool to be found, says so).
void tst_about::keyboard_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("expectedClosed");
    QTest::addColumn<bool>("expectedSearch");

    QTest::newRow("Escape on Aceptar") << int(Qt::Key_Escape) << "cmdOK" << true << false;
    QTest::newRow("Enter on Aceptar") << int(Qt::Key_Return) << "cmdOK" << true << false;
    QTest::newRow("Enter in the text") << int(Qt::Key_Return) << "txtTexto" << true << false;
    QTest::newRow("Enter on Info. del sistema")
        << int(Qt::Key_Return) << "cmdSysInfo" << false << true;
}

void tst_about::keyboard() {
    QFETCH(int, key);
    QFETCH(QString, focus);
    QFETCH(bool, expectedClosed);
    QFETCH(bool, expectedSearch);

    RecordingServices recording;
    frmAbout about(recording.services());
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(QApplication::focusWidget(), about.cmdOK); // focus starts on Aceptar

    auto* target = about.findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(!about.isVisible(), expectedClosed);
    QCOMPARE(recording.messages.size(), expectedSearch ? 1 : 0);
}

void tst_about::unavailableToolShowsPlainBox() {
    RecordingServices recording;
    frmAbout about(recording.services(false));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    whileModal<QMessageBox>([&] { about.cmdSysInfo->click(); },
                            [&](QMessageBox* box) {
                                QCOMPARE(box->windowTitle(), QStringLiteral("Tarabel"));
                                QCOMPARE(box->text(),
                                         QStringLiteral("La información del sistema no está "
                                                        "disponible en este momento"));
                                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                                QCOMPARE(box->standardButtons(), QMessageBox::Ok);
                                box->button(QMessageBox::Ok)->click();
                            });
    // The window stays open after the message.
    QVERIFY(about.isVisible());
}

QTEST_MAIN(tst_about)
#include "tst_about.moc"
