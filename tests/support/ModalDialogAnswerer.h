#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

// Answers the next modal dialog the code under test opens: a timer polls
// QApplication::activeModalWidget() and hands the dialog to the answer
// function (which fills fields, clicks a button, accepts or rejects it).
// Gives up after the time limit so a test never waits forever; answered()
// tells whether a dialog came.
class ModalDialogAnswerer : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(QWidget* dialog)>;

    explicit ModalDialogAnswerer(Answer answer, int timeLimitMs = 5000, QObject* parent = nullptr);

    bool answered() const { return _answered; }

    // Answers that cover the common cases.
    static Answer accept();
    static Answer reject();
    // Clicks the dialog's button whose text contains `text` (QMessageBox or any QDialog).
    static Answer clickButton(const QString& text);
    // Picks the file or folder at path in a QFileDialog and accepts it.
    static Answer chooseFile(const QString& path);

private:
    void _poll();

    Answer _answer;
    QTimer _timer;
    int _remainingPolls;
    bool _answered = false;
};
