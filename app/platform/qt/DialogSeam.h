#pragma once

#include <QList>

#include <utility>

namespace varnick {

/// The test seam of a modal dialog's static entry point, in the manner of the
/// message-box seam: while a TestScope is alive the dialog is not shown; the
/// entry point records what it was asked and returns the next queued answer,
/// or a default-constructed Answer (the dialog's "cancelled") when none is queued.
///
/// A dialog declares `using Seam = DialogSeam<frmX, Request, Answer>;` and its
/// entry point begins with `if (Seam::testing()) return Seam::answer(request);`.
template <typename Dialog, typename Request, typename Answer> class DialogSeam {
public:
    static bool testing() { return state().active; }

    /// Records the request and returns the next queued answer (first in, first out).
    static Answer answer(Request request)
    {
        State& s = state();
        s.requests.append(std::move(request));
        if (s.answers.isEmpty())
            return Answer {};
        return s.answers.takeFirst();
    }

    class TestScope {
    public:
        TestScope()
        {
            state() = State {};
            state().active = true;
        }
        ~TestScope() { state() = State {}; }
        TestScope(const TestScope&) = delete;
        TestScope& operator=(const TestScope&) = delete;

        void answerNext(Answer answer) { state().answers.append(std::move(answer)); }
        /// Every showing asked for since the scope began, oldest first.
        const QList<Request>& requests() const { return state().requests; }
        qsizetype pendingAnswers() const { return state().answers.size(); }
    };

private:
    struct State {
        bool active = false;
        QList<Answer> answers;
        QList<Request> requests;
    };
    static State& state()
    {
        static State s;
        return s;
    }
};

} // namespace varnick
