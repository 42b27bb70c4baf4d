// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmprincipal.h"

#include "app/qtlocale.h"
#include "app/screen_reader.h"
#include "platform/messagebox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

frmPrincipal::frmPrincipal(QWidget* parent)
    : QMainWindow(parent), locale_(numberLocaleOf(QLocale::system())) {
    // Before any control is asked for by a screen reader.
    screen_reader::installAccessibility();
    buildWindow();
    announcer_ = new Announcer(this);
    connectHandlers();
    Form_Load();
}

frmPrincipal::~frmPrincipal() = default;

void frmPrincipal::setMessageSink(MessageSink sink) {
    messageSink_ = std::move(sink);
}

void frmPrincipal::showMessage(const convert::Message& message) {
    if (messageSink_) {
        messageSink_(message);
        return;
    }
    runModal([&] { platform::showMessageBox(this, message); });
}

void frmPrincipal::runModal(const std::function<void()>& modal) {
    const QPointer<QWidget> control = lastControl_;
    modal();
    // Back to the control the user was on. Left to itself, the window gives the focus back to
    // whatever last had it, which after a choice in the menu bar is the menu bar: hidden, and
    // the next key typed is lost. The reason says the focus only comes back.
    if (control && control->isVisible())
        control->setFocus(Qt::ActiveWindowFocusReason);
}

void frmPrincipal::setDefaultButton(QPushButton* button) {
    if (button == defaultButton_)
        return;
    if (defaultButton_)
        defaultButton_->setDefault(false);
    defaultButton_ = button;
    if (defaultButton_)
        defaultButton_->setDefault(true);
}

QString frmPrincipal::controlText(const QString& name) const {
    if (auto* field = findChild<QLineEdit*>(name); field && !field->parent()->inherits("QComboBox"))
        return field->text();
    if (auto* list = findChild<QComboBox*>(name))
        return list->currentText();
    if (auto* label = findChild<QLabel*>(name))
        return label->text();
    // The slider is read here only (the start-up and Clear run the humidity read-out too), and by
    // its position, not its value: a move reaches sldHumedad_Scroll through actionTriggered, which
    // Qt sends once it has moved the position and before it sets the value; and with tracking off
    // the value would stay behind the thumb the user drags until the drag ends.
    if (auto* slider = findChild<QSlider*>(name))
        return QString::number(slider->sliderPosition());
    Q_ASSERT_X(false, "controlText", qPrintable(name));
    return {};
}

void frmPrincipal::setControlText(const QString& name, const QString& text) {
    if (auto* field = findChild<QLineEdit*>(name); field && !field->parent()->inherits("QComboBox"))
        field->setText(text);
    else if (auto* label = findChild<QLabel*>(name))
        label->setText(text);
    else
        Q_ASSERT_X(false, "setControlText", qPrintable(name));
}

convert::Outcome frmPrincipal::run(const convert::Conversion& conversion) {
    std::map<std::string, std::string, std::less<>> texts;
    for (const std::string_view name : conversion.fields) {
        const QString control = QString::fromLatin1(name.data(), qsizetype(name.size()));
        texts.emplace(name, controlText(control).toStdString());
    }
    convert::Form form(locale_, std::move(texts));
    const convert::Outcome& outcome = conversion.run(form);
    // A conversion that names a field it did not declare comes back with nothing to apply.
    if (!outcome.undeclared.empty())
        qWarning("%.*s names %s, which it does not declare", int(conversion.name.size()),
                 conversion.name.data(), outcome.undeclared.c_str());
    applyOutcome(outcome);
    return outcome;
}

void frmPrincipal::applyOutcome(const convert::Outcome& outcome) {
    for (const auto& effect : outcome.effects) {
        if (const auto* write = std::get_if<convert::Write>(&effect))
            setControlText(QString::fromStdString(write->field),
                           QString::fromStdString(write->text));
        else
            showMessage(std::get<convert::Message>(effect));
    }
}

// Enter presses the default button unless the focus is on another push button, which takes
// the key itself; a QMainWindow has no default button of its own, so route it here.
bool frmPrincipal::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            break;
        if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
            break;
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            if (!key->isAutoRepeat())
                button->click();
            return true;
        }
        if (qobject_cast<QComboBox*>(watched) && static_cast<QComboBox*>(watched)->view() &&
            static_cast<QComboBox*>(watched)->view()->isVisible())
            break; // Enter picks the entry in an open drop-down
        if (defaultButton_ && !key->isAutoRepeat())
            defaultButton_->click();
        return true;
    }
    case QEvent::FocusIn: {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (!field)
            break;
        const auto it = focusHandlers_.find(field);
        if (it == focusHandlers_.end())
            break;
        // Focus that only comes back, after the field's own context menu, the menu bar or another
        // window, is not the user entering the field: the selection and the caret stay where the
        // user left them.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
            reason == Qt::MenuBarFocusReason) {
            left_.restore(field);
            break;
        }
        (this->*(it->second))();
        // A mouse click places the caret after the focus arrives; select again once the press
        // has been handled, so the click does not undo the selection.
        if (reason == Qt::MouseFocusReason) {
            QTimer::singleShot(0, field, [field = QPointer<QLineEdit>(field)] {
                if (field && field->hasFocus())
                    field->selectAll();
            });
        }
        break;
    }
    case QEvent::FocusOut:
        // Qt drops a field's selection when the focus goes to the menu bar; remember it.
        if (auto* field = qobject_cast<QLineEdit*>(watched); field && focusHandlers_.count(field))
            left_ = LeftSelection(field);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

frmPrincipal::LeftSelection::LeftSelection(QLineEdit* f)
    : field(f), text(f->text()), start(f->selectionStart()), length(f->selectionLength()),
      cursor(f->cursorPosition()) {}

void frmPrincipal::LeftSelection::restore(QLineEdit* f) const {
    // Only onto the text it was made in: a field written meanwhile keeps what the write left.
    if (f != field || f->text() != text)
        return;
    if (length == 0)
        f->setCursorPosition(cursor);
    else if (cursor == start) // selected backwards: the caret stays at the start
        f->setSelection(start + length, -length);
    else
        f->setSelection(start, length);
}

void frmPrincipal::selectOnFocus(QLineEdit* field, QPushButton* button) {
    if (button)
        setDefaultButton(button);
    field->setSelection(0, static_cast<int>(field->text().size()));
}

void frmPrincipal::txtGrados1_GotFocus() {
    selectOnFocus(txtGrados1, cmdGradosSexADec);
}
void frmPrincipal::txtMinutos1_GotFocus() {
    selectOnFocus(txtMinutos1, cmdGradosSexADec);
}
void frmPrincipal::txtSegundos1_GotFocus() {
    selectOnFocus(txtSegundos1, cmdGradosSexADec);
}
void frmPrincipal::txtGrados2_GotFocus() {
    selectOnFocus(txtGrados2, cmdGradosDecASexa);
}
void frmPrincipal::txtHoras1_GotFocus() {
    selectOnFocus(txtHoras1, cmdHorasSexADec);
}
void frmPrincipal::txtMinutos2_GotFocus() {
    selectOnFocus(txtMinutos2, cmdHorasSexADec);
}
void frmPrincipal::txtSegundos2_GotFocus() {
    selectOnFocus(txtSegundos2, cmdHorasSexADec);
}
void frmPrincipal::txtHoras2_GotFocus() {
    selectOnFocus(txtHoras2, cmdHorasDecASex);
}
void frmPrincipal::txtGrados3_GotFocus() {
    selectOnFocus(txtGrados3, cmdDecADec1);
}
void frmPrincipal::txtGrados4_GotFocus() {
    selectOnFocus(txtGrados4, nullptr);
}
void frmPrincipal::txtHoras3_GotFocus() {
    selectOnFocus(txtHoras3, cmdDecADec2);
}
void frmPrincipal::txtHoras4_GotFocus() {
    selectOnFocus(txtHoras4, nullptr);
}
void frmPrincipal::txtMedidas1_GotFocus() {
    selectOnFocus(txtMedidas1, cmdMedidas1);
}
void frmPrincipal::txtMedidas2_GotFocus() {
    selectOnFocus(txtMedidas2, cmdMedidas1);
}
void frmPrincipal::txtMedidas3_GotFocus() {
    selectOnFocus(txtMedidas3, cmdMedidas2);
}
void frmPrincipal::txtMedidas4_GotFocus() {
    selectOnFocus(txtMedidas4, cmdMedidas2);
}
void frmPrincipal::txtCelsius_GotFocus() {
    selectOnFocus(txtCelsius, cmdCelsius);
}
void frmPrincipal::txtFahrenheit_GotFocus() {
    selectOnFocus(txtFahrenheit, cmdFahrenheit);
}
void frmPrincipal::txtKelvin_GotFocus() {
    selectOnFocus(txtKelvin, cmdKelvin);
}

void frmPrincipal::connectHandlers() {
    focusHandlers_ = {
        {txtGrados1, &frmPrincipal::txtGrados1_GotFocus},
        {txtMinutos1, &frmPrincipal::txtMinutos1_GotFocus},
        {txtSegundos1, &frmPrincipal::txtSegundos1_GotFocus},
        {txtGrados2, &frmPrincipal::txtGrados2_GotFocus},
        {txtHoras1, &frmPrincipal::txtHoras1_GotFocus},
        {txtMinutos2, &frmPrincipal::txtMinutos2_GotFocus},
        {txtSegundos2, &frmPrincipal::txtSegundos2_GotFocus},
        {txtHoras2, &frmPrincipal::txtHoras2_GotFocus},
        {txtGrados3, &frmPrincipal::txtGrados3_GotFocus},
        {txtGrados4, &frmPrincipal::txtGrados4_GotFocus},
        {txtHoras3, &frmPrincipal::txtHoras3_GotFocus},
        {txtHoras4, &frmPrincipal::txtHoras4_GotFocus},
        {txtMedidas1, &frmPrincipal::txtMedidas1_GotFocus},
        {txtMedidas2, &frmPrincipal::txtMedidas2_GotFocus},
        {txtMedidas3, &frmPrincipal::txtMedidas3_GotFocus},
        {txtMedidas4, &frmPrincipal::txtMedidas4_GotFocus},
        {txtCelsius, &frmPrincipal::txtCelsius_GotFocus},
        {txtFahrenheit, &frmPrincipal::txtFahrenheit_GotFocus},
        {txtKelvin, &frmPrincipal::txtKelvin_GotFocus},
    };
    for (const auto& entry : focusHandlers_)
        entry.first->installEventFilter(this);
    // The control of this window the user is on, the menu bar aside.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == this && !qobject_cast<QMenuBar*>(now))
            lastControl_ = now;
    });
    for (auto* list : findChildren<QComboBox*>())
        list->installEventFilter(this);
    // Enter on the tab strip or the slider presses the default button as well.
    tabFichas->tabBar()->installEventFilter(this);
    sldHumedad->installEventFilter(this);
    for (auto* button : findChildren<QPushButton*>()) {
        button->installEventFilter(this);
        // Only our own routing decides what Enter presses.
        button->setAutoDefault(false);
    }

    const std::pair<QPushButton*, void (frmPrincipal::*)()> clicks[] = {
        {cmdGradosSexADec, &frmPrincipal::cmdGradosSexADec_Click},
        {cmdGradosDecASexa, &frmPrincipal::cmdGradosDecASexa_Click},
        {cmdHorasSexADec, &frmPrincipal::cmdHorasSexADec_Click},
        {cmdHorasDecASex, &frmPrincipal::cmdHorasDecASex_Click},
        {cmdDecADec1, &frmPrincipal::cmdDecADec1_Click},
        {cmdDecADec2, &frmPrincipal::cmdDecADec2_Click},
        {cmdMedidas1, &frmPrincipal::cmdMedidas1_Click},
        {cmdMedidas2, &frmPrincipal::cmdMedidas2_Click},
        {cmdCelsius, &frmPrincipal::cmdCelsius_Click},
        {cmdFahrenheit, &frmPrincipal::cmdFahrenheit_Click},
        {cmdKelvin, &frmPrincipal::cmdKelvin_Click},
        {cmdCopiar1, &frmPrincipal::cmdCopiar1_Click},
        {cmdCopiar2, &frmPrincipal::cmdCopiar2_Click},
        {cmsCopiar3, &frmPrincipal::cmsCopiar3_Click},
        {cmdPegar1, &frmPrincipal::cmdPegar1_Click},
        {cmdPegar2, &frmPrincipal::cmdPegar2_Click},
        {cmdPegar3, &frmPrincipal::cmdPegar3_Click},
        {cmdLimpiar, &frmPrincipal::cmdLimpiar_Click},
        {cmdSalir, &frmPrincipal::cmdSalir_Click},
    };
    for (const auto& [button, handler] : clicks) {
        connect(button, &QPushButton::clicked, this, handler);
        // Once a conversion asked for by the user is done, its results are spoken; a conversion
        // that another handler runs is part of that one.
        connect(button, &QPushButton::clicked, this,
                [this, button = button] { announceResults(button); });
    }

    const std::pair<QAction*, void (frmPrincipal::*)()> menus[] = {
        {mnuHoras, &frmPrincipal::mnuHoras_Click},
        {mnuDistancias, &frmPrincipal::mnuDistancias_Click},
        {mnuTemperatura, &frmPrincipal::mnuTemperatura_Click},
        {mnuSalir, &frmPrincipal::mnuSalir_Click},
        {mnuAcercaDe, &frmPrincipal::mnuAcercaDe_Click},
    };
    for (const auto& [action, handler] : menus)
        connect(action, &QAction::triggered, this, handler);

    // Every user move of the slider (keyboard, drag, click beside the thumb, wheel), also one
    // that cannot change the value at the end of the track.
    connect(sldHumedad, &QAbstractSlider::actionTriggered, this, &frmPrincipal::sldHumedad_Scroll);
    connect(sldHumedad, &QAbstractSlider::actionTriggered, this,
            [this] { announceResults(sldHumedad); });
}
