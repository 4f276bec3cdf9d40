#include "app/platform/qt/MessageBox.h"

#include <QAbstractButton>
#include <QQueue>

namespace varnick {

namespace {

struct TestState {
    bool active = false;
    QQueue<MessageBox::Button> answers;
    QList<MessageBox::Shown> shown;
};

TestState& testState()
{
    static TestState state;
    return state;
}

MessageBox::Button firstButton(MessageBox::Buttons buttons)
{
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (buttons.testFlag(static_cast<MessageBox::Button>(bit)))
            return static_cast<MessageBox::Button>(bit);
    }
    return QMessageBox::NoButton;
}

} // namespace

MessageBox::Button MessageBox::show(QWidget* parent, Icon icon, const QString& title, const QString& text,
    Buttons buttons, Button defaultButton, const QMap<Button, QString>& buttonTexts)
{
    TestState& state = testState();
    if (state.active) {
        Button answer = !state.answers.isEmpty()     ? state.answers.dequeue()
            : defaultButton != QMessageBox::NoButton ? defaultButton
                                                     : firstButton(buttons);
        state.shown.append(Shown { icon, title, text, buttons, answer });
        return answer;
    }

    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    for (auto it = buttonTexts.begin(); it != buttonTexts.end(); ++it) {
        if (QAbstractButton* button = box.button(it.key()))
            button->setText(it.value());
    }
    return static_cast<Button>(box.exec());
}

MessageBox::Button MessageBox::critical(QWidget* parent, const QString& title, const QString& text)
{
    return show(parent, QMessageBox::Critical, title, text);
}

MessageBox::Button MessageBox::exclamation(QWidget* parent, const QString& title, const QString& text)
{
    return show(parent, QMessageBox::Warning, title, text);
}

MessageBox::Button MessageBox::question(
    QWidget* parent, const QString& title, const QString& text, Button defaultButton)
{
    return show(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, defaultButton);
}

MessageBox::TestScope::TestScope()
{
    testState() = TestState {};
    testState().active = true;
}

MessageBox::TestScope::~TestScope()
{
    testState() = TestState {};
}

void MessageBox::TestScope::answerNext(Button answer)
{
    testState().answers.enqueue(answer);
}

const QList<MessageBox::Shown>& MessageBox::TestScope::shown() const
{
    return testState().shown;
}

const MessageBox::Shown& MessageBox::TestScope::last() const
{
    return testState().shown.last();
}

qsizetype MessageBox::TestScope::pendingAnswers() const
{
    return testState().answers.size();
}

} // namespace varnick
