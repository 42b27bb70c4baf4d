// The temperatures page driven through its real widgets: the "=" buttons convert and refresh
// the dew point, warnings reach the user as boxes, and the humidity slider, moved with the
// keyboard and the mouse, rewrites the three read-out labels under either separator.
#include "app/frmprincipal.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(numtext::NumberLocale)

namespace {

const QString freezing = QStringLiteral("Temperatura por debajo del punto de congelación");
const QString boiling = QStringLiteral("Temperatura por encima del punto de ebullición");
const QString dew = QStringLiteral("Formación de rocío");

// A full-stop text as the locale writes it.
QString loc(const char* fullStopText, const numtext::NumberLocale& locale) {
    QString text = QString::fromUtf8(fullStopText);
    text.replace(QLatin1Char('.'), QString::fromStdString(locale.decimal));
    return text;
}

} // namespace

class TemperaturePage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theButtonsConvertAndRefreshTheDewPoint_data();
    void theButtonsConvertAndRefreshTheDewPoint();
    void anOverflowStopsBeforeFahrenheitAndTheDewPoint();
    void theRangeWarningIsARealWarningBox();

    void movingTheSliderRewritesTheReadOut_data();
    void movingTheSliderRewritesTheReadOut();
    void aSliderMoveFillsAnEmptyTemperatureConvertingOnlyOnce_data();
    void aSliderMoveFillsAnEmptyTemperatureConvertingOnlyOnce();
    void aTypedTemperatureIsReadAsItStands();
    void theRefreshCanBeCalledDirectly();
    void aKeyAtTheEndOfTheTrackIsAMoveToo();

private:
    void setLocale(const numtext::NumberLocale& locale) { window_->setNumberLocale(locale); }
    void pressKeyOnSlider(Qt::Key key);
    void dragSliderTo(int value);
    void clickBesideTheThumb(bool after);
    void expectReadOut(const QString& humidity, const QString& dewPoint, const QString& warning);

    frmPrincipal* window_ = nullptr;
    std::vector<numtext::Message> messages_;
};

void TemperaturePage::init() {
    messages_.clear();
    window_ = new frmPrincipal;
    window_->setMessageSink([this](const numtext::Message& m) { messages_.push_back(m); });
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    window_->tabFichas->setCurrentIndex(2);
    QVERIFY(window_->sldHumedad->isVisible());
    QCOMPARE(window_->sldHumedad->value(), 50);
}

void TemperaturePage::cleanup() {
    delete window_;
    window_ = nullptr;
}

void TemperaturePage::expectReadOut(const QString& humidity, const QString& dewPoint,
                                    const QString& warningText) {
    QCOMPARE(window_->labHumedad->text(), humidity);
    QCOMPARE(window_->labRocio->text(), dewPoint);
    QCOMPARE(window_->labAvisoRocio->text(), warningText);
}

void TemperaturePage::pressKeyOnSlider(Qt::Key key) {
    window_->sldHumedad->setFocus();
    QTRY_VERIFY(window_->sldHumedad->hasFocus());
    QTest::keyClick(window_->sldHumedad, key);
}

namespace {

QStyleOptionSlider styleOptionOf(const QSlider* slider) {
    QStyleOptionSlider opt;
    opt.initFrom(slider);
    opt.subControls = QStyle::SC_None;
    opt.activeSubControls = QStyle::SC_None;
    opt.orientation = slider->orientation();
    opt.maximum = slider->maximum();
    opt.minimum = slider->minimum();
    opt.tickPosition = slider->tickPosition();
    opt.tickInterval = slider->tickInterval();
    opt.upsideDown = slider->invertedAppearance();
    opt.direction = slider->layoutDirection();
    opt.sliderPosition = slider->sliderPosition();
    opt.sliderValue = slider->value();
    opt.singleStep = slider->singleStep();
    opt.pageStep = slider->pageStep();
    opt.state |= QStyle::State_Horizontal;
    return opt;
}

QRect handleRect(const QSlider* slider) {
    const auto opt = styleOptionOf(slider);
    return slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle,
                                           slider);
}

// The point of the track where the handle's centre sits for `value`.
QPoint centreFor(const QSlider* slider, int value) {
    const auto opt = styleOptionOf(slider);
    const QRect groove =
        slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, slider);
    const QRect handle = handleRect(slider);
    const int span = groove.width() - handle.width();
    const int x =
        groove.x() +
        QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), value, span) +
        handle.width() / 2;
    return {x, handle.center().y()};
}

void sendMove(QSlider* slider, QPoint to) {
    QMouseEvent move(QEvent::MouseMove, to, slider->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
}

} // namespace

void TemperaturePage::dragSliderTo(int value) {
    QSlider* slider = window_->sldHumedad;
    const QPoint start = handleRect(slider).center();
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, start);
    QVERIFY(slider->isSliderDown());
    // Through the half-way point, as a hand would.
    const QPoint end = centreFor(slider, value);
    sendMove(slider, (start + end) / 2);
    sendMove(slider, end);
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, end);
    QVERIFY(!slider->isSliderDown());
}

void TemperaturePage::clickBesideTheThumb(bool after) {
    QSlider* slider = window_->sldHumedad;
    const QRect handle = handleRect(slider);
    const QPoint beside(after ? handle.right() + handle.width() : handle.left() - handle.width(),
                        handle.center().y());
    QVERIFY(slider->rect().contains(beside));
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, beside);
}

void TemperaturePage::theButtonsConvertAndRefreshTheDewPoint_data() {
    QTest::addColumn<numtext::NumberLocale>("locale");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("celsius");
    QTest::addColumn<QString>("fahrenheit");
    QTest::addColumn<QString>("kelvin");
    QTest::addColumn<QString>("dewPoint"); // at the opening humidity, 50 %
    QTest::addColumn<QString>("warning");
    QTest::addColumn<std::vector<numtext::Message>>("messages");

    struct Row {
        const char* name;
        const char* source;
        const char* typed;
        const char* celsius;
        const char* fahrenheit;
        const char* kelvin;
        const char* dewPoint;
        const QString& warning;
        const char* box; // the range warning's text; nullptr for none
    };
    const Row rows[] = {
        {"empty", "txtCelsius", "", "0.0", "32.0", "273.15", "-9.296", freezing, nullptr},
        {"C below zero", "txtCelsius", "-300", "0.0", "32.0", "273.15", "-9.296", freezing,
         "Solo valores mayores a -273.15º C"},
        {"C tidied first", "txtCelsius", "10.12345", "10.123", "50.221", "283.273", "0.071", dew,
         nullptr},
        {"F below zero", "txtFahrenheit", "-500", "-17.778", "0.0", "255.372", "-25.746", freezing,
         "Solo valores mayores a -459.67º F"},
        {"F", "txtFahrenheit", "212", "100.0", "212.0", "373.15", "83.235", dew, nullptr},
        {"K below zero", "txtKelvin", "-1", "-273.15", "-459.67", "0.0", "-262.042", freezing,
         "Solo valores mayores a 0º K"},
    };
    const std::pair<const char*, numtext::NumberLocale> locales[] = {
        {"full stop", numtext::fullStopLocale}, {"comma", numtext::commaLocale}};
    for (const auto& [localeName, locale] : locales) {
        for (const auto& r : rows) {
            std::vector<numtext::Message> messages;
            if (r.box)
                messages.push_back(numtext::rangeWarning(r.box));
            QTest::addRow("%s, %s", localeName, r.name)
                << locale << QString::fromLatin1(r.source) << loc(r.typed, locale)
                << loc(r.celsius, locale) << loc(r.fahrenheit, locale) << loc(r.kelvin, locale)
                << loc(r.dewPoint, locale) + QStringLiteral("º C") << r.warning << messages;
        }
    }
}

void TemperaturePage::theButtonsConvertAndRefreshTheDewPoint() {
    QFETCH(numtext::NumberLocale, locale);
    QFETCH(QString, source);
    QFETCH(QString, typed);
    QFETCH(QString, celsius);
    QFETCH(QString, fahrenheit);
    QFETCH(QString, kelvin);
    QFETCH(QString, dewPoint);
    QFETCH(QString, warning);
    QFETCH(std::vector<numtext::Message>, messages);

    setLocale(locale);
    for (auto* field : {window_->txtCelsius, window_->txtFahrenheit, window_->txtKelvin})
        field->setText(QStringLiteral("old"));
    auto* field = window_->findChild<QLineEdit*>(source);
    field->setText(typed);
    auto* button =
        window_->findChild<QPushButton*>(QString(source).replace(QStringLiteral("txt"), "cmd"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("="));
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(window_->txtCelsius->text(), celsius);
    QCOMPARE(window_->txtFahrenheit->text(), fahrenheit);
    QCOMPARE(window_->txtKelvin->text(), kelvin);
    expectReadOut(QStringLiteral("50 %"), dewPoint, warning);
    QVERIFY(messages_ == messages);
}

// 1E308 fits a double; 1.8 times it does not. The source and the first target keep
// their new texts, Fahrenheit and the whole read-out their old ones, and the user is told once.
void TemperaturePage::anOverflowStopsBeforeFahrenheitAndTheDewPoint() {
    window_->txtCelsius->setText(QStringLiteral("20"));
    window_->cmdCelsius->click();
    expectReadOut(QStringLiteral("50 %"), QStringLiteral("9.211º C"), dew);

    for (auto* source : {window_->txtCelsius, window_->txtKelvin}) {
        messages_.clear();
        window_->txtFahrenheit->setText(QStringLiteral("68.0"));
        source->setText(QStringLiteral("1E308"));
        auto* other = source == window_->txtCelsius ? window_->txtKelvin : window_->txtCelsius;
        other->setText(QStringLiteral("old"));
        (source == window_->txtCelsius ? window_->cmdCelsius : window_->cmdKelvin)->click();

        QVERIFY(messages_ == std::vector<numtext::Message>{numtext::floatingPointFault()});
        QCOMPARE(source->text(), QStringLiteral("1") + QString(308, QLatin1Char('0')) + ".0");
        QCOMPARE(other->text().size(), 309 + 2);
        QCOMPARE(window_->txtFahrenheit->text(), QStringLiteral("68.0"));
        expectReadOut(QStringLiteral("50 %"), QStringLiteral("9.211º C"), dew);
    }
}

// Without a recording sink the window shows a real QMessageBox: warning icon, the range title,
// and the field is reset only after the user has closed it.
void TemperaturePage::theRangeWarningIsARealWarningBox() {
    window_->setMessageSink(nullptr);
    window_->txtKelvin->setText(QStringLiteral("-1"));

    QString title;
    QString text;
    QString fieldWhileShown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen = true;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        fieldWhileShown = window_->txtKelvin->text();
        box->button(QMessageBox::Ok)->click();
    });
    window_->cmdKelvin->click();

    QVERIFY(seen);
    QCOMPARE(title, QStringLiteral("Valor fuera de rango"));
    QCOMPARE(text, QStringLiteral("Solo valores mayores a 0º K"));
    QCOMPARE(text.at(text.size() - 3), QChar(0x00BA));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(fieldWhileShown, QStringLiteral("-1"));
    QCOMPARE(window_->txtKelvin->text(), QStringLiteral("0.0"));
    QCOMPARE(window_->txtCelsius->text(), QStringLiteral("-273.15"));
}

// From 50 % with 25 ºC: the keyboard, a page step, a drag and clicks beside the thumb.
void TemperaturePage::movingTheSliderRewritesTheReadOut_data() {
    QTest::addColumn<numtext::NumberLocale>("locale");
    QTest::addRow("full stop") << numtext::fullStopLocale;
    QTest::addRow("comma") << numtext::commaLocale;
}

void TemperaturePage::movingTheSliderRewritesTheReadOut() {
    QFETCH(numtext::NumberLocale, locale);
    setLocale(locale);
    auto expectAt = [&](int humidity, const char* dewPoint, const QString& warningText) {
        QCOMPARE(window_->sldHumedad->value(), humidity);
        expectReadOut(QString::number(humidity) + QStringLiteral(" %"),
                      loc(dewPoint, locale) + QStringLiteral("º C"), warningText);
    };
    window_->txtCelsius->setText(QStringLiteral("25"));
    window_->cmdCelsius->click();
    expectAt(50, "13.837", dew);

    pressKeyOnSlider(Qt::Key_PageUp);
    expectAt(60, "16.680", dew);
    pressKeyOnSlider(Qt::Key_Right);
    expectAt(61, "16.941", dew);
    pressKeyOnSlider(Qt::Key_Left);
    pressKeyOnSlider(Qt::Key_PageDown);
    pressKeyOnSlider(Qt::Key_PageDown);
    expectAt(40, "10.444", dew);
    pressKeyOnSlider(Qt::Key_End);
    expectAt(100, "25.000", dew);
    pressKeyOnSlider(Qt::Key_Home);
    expectAt(0, "-109.500", freezing);

    dragSliderTo(100);
    expectAt(100, "25.000", dew);
    dragSliderTo(50);
    expectAt(50, "13.837", dew);

    clickBesideTheThumb(true);
    expectAt(60, "16.680", dew);
    clickBesideTheThumb(false);
    expectAt(50, "13.837", dew);

    // The temperature field was only read.
    QCOMPARE(window_->txtCelsius->text(), loc("25.0", locale));
    QVERIFY(messages_.empty());
}

// Counts the Celsius conversions that a slider move runs: each one writes Kelvin and then
// Fahrenheit, and the test empties the other of the two as soon as one is written, so every
// conversion, even one repeating the same texts, changes Kelvin once more.
void TemperaturePage::aSliderMoveFillsAnEmptyTemperatureConvertingOnlyOnce_data() {
    QTest::addColumn<numtext::NumberLocale>("locale");
    QTest::addColumn<QString>("celsius");
    QTest::addRow("full stop, empty") << numtext::fullStopLocale << QString();
    QTest::addRow("comma, empty") << numtext::commaLocale << QString();
    QTest::addRow("full stop, not a number") << numtext::fullStopLocale << QStringLiteral("abc");
    QTest::addRow("comma, a full-stop decimal") << numtext::commaLocale << QStringLiteral("1.5");
}

void TemperaturePage::aSliderMoveFillsAnEmptyTemperatureConvertingOnlyOnce() {
    QFETCH(numtext::NumberLocale, locale);
    QFETCH(QString, celsius);
    setLocale(locale);
    pressKeyOnSlider(Qt::Key_Left); // from 49 the move back to 50 is the one under test
    window_->txtCelsius->setText(celsius);
    window_->txtFahrenheit->clear();
    window_->txtKelvin->clear();

    int conversions = 0;
    QStringList fahrenheitTexts;
    auto* kelvin = window_->txtKelvin;
    auto* fahrenheit = window_->txtFahrenheit;
    const auto a = connect(kelvin, &QLineEdit::textChanged, this, [&](const QString& text) {
        if (text.isEmpty())
            return;
        ++conversions;
        const QSignalBlocker quiet(fahrenheit);
        fahrenheit->clear();
    });
    const auto b = connect(fahrenheit, &QLineEdit::textChanged, this, [&](const QString& text) {
        fahrenheitTexts << text;
        const QSignalBlocker quiet(kelvin);
        kelvin->clear();
    });
    pressKeyOnSlider(Qt::Key_Right);
    disconnect(a);
    disconnect(b);

    QCOMPARE(conversions, 1);
    QCOMPARE(fahrenheitTexts, QStringList{loc("32.0", locale)});
    QCOMPARE(window_->txtCelsius->text(), loc("0.0", locale));
    expectReadOut(QStringLiteral("50 %"), loc("-9.296", locale) + QStringLiteral("º C"), freezing);
    QVERIFY(messages_.empty());

    // The same move without the counting: the page as the user sees it.
    window_->txtCelsius->clear();
    window_->txtFahrenheit->clear();
    window_->txtKelvin->clear();
    pressKeyOnSlider(Qt::Key_Left);
    pressKeyOnSlider(Qt::Key_Right);
    QCOMPARE(window_->txtCelsius->text(), loc("0.0", locale));
    QCOMPARE(window_->txtKelvin->text(), loc("273.15", locale));
    QCOMPARE(window_->txtFahrenheit->text(), loc("32.0", locale));
    expectReadOut(QStringLiteral("50 %"), loc("-9.296", locale) + QStringLiteral("º C"), freezing);
}

// A number typed but not converted is used as it stands: below absolute zero, no warning.
void TemperaturePage::aTypedTemperatureIsReadAsItStands() {
    pressKeyOnSlider(Qt::Key_Left);
    window_->txtCelsius->setText(QStringLiteral("-300"));
    window_->txtKelvin->setText(QStringLiteral("old"));
    pressKeyOnSlider(Qt::Key_Right);
    QCOMPARE(window_->txtCelsius->text(), QStringLiteral("-300"));
    QCOMPARE(window_->txtKelvin->text(), QStringLiteral("old"));
    expectReadOut(QStringLiteral("50 %"), QStringLiteral("-286.887º C"), freezing);
    QVERIFY(messages_.empty());
}

// The refresh is also a plain procedure of the window; a stale warning does not survive it.
void TemperaturePage::theRefreshCanBeCalledDirectly() {
    setLocale(numtext::commaLocale);
    pressKeyOnSlider(Qt::Key_End);
    window_->txtCelsius->setText(QStringLiteral("-0,5"));
    window_->sldHumedad_Scroll();
    expectReadOut(QStringLiteral("100 %"), QStringLiteral("-0,500º C"), freezing);
    window_->txtCelsius->setText(QStringLiteral("0"));
    window_->sldHumedad_Scroll();
    expectReadOut(QStringLiteral("100 %"), QStringLiteral("0,000º C"), dew);
    window_->txtCelsius->setText(QStringLiteral("100,4"));
    window_->sldHumedad_Scroll();
    expectReadOut(QStringLiteral("100 %"), QStringLiteral("100,400º C"), boiling);
    QCOMPARE(window_->txtCelsius->text(), QStringLiteral("100,4"));
}

// After "Limpiar" the read-out shows "-" with the slider where it was. A key that pushes the
// thumb against the end of its track is still a move of the slider by the user: it refreshes
// the read-out, filling the empty temperature as any other move does.
void TemperaturePage::aKeyAtTheEndOfTheTrackIsAMoveToo() {
    pressKeyOnSlider(Qt::Key_End);
    for (auto* field : {window_->txtCelsius, window_->txtFahrenheit, window_->txtKelvin})
        field->clear();
    window_->labRocio->setText(QStringLiteral("-"));
    window_->labAvisoRocio->setText(QStringLiteral("-"));

    pressKeyOnSlider(Qt::Key_Right);
    QCOMPARE(window_->sldHumedad->value(), 100);
    QCOMPARE(window_->txtCelsius->text(), QStringLiteral("0.0"));
    expectReadOut(QStringLiteral("100 %"), QStringLiteral("0.000º C"), dew);
}

QTEST_MAIN(TemperaturePage)
#include "tst_temperature.moc"
