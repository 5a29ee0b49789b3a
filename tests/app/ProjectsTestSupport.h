#pragma once

#include "FileSizeLimit.h"
#include "IsolatedSettings.h"
#include "ModalDialogAnswerer.h"
#include "ProjectManager.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <memory>
#include <ostream>
#include <vector>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// HOME and the XDG folders in a temporary folder, and the product folder
// "Vidorna" inside it; the projects directory is made on first use.
class ProjectsTest : public ::testing::Test
{
protected:
    void SetUp() override { ProjectManager::setWorkingFolder(productFolder()); }
    void TearDown() override { ProjectManager::setWorkingFolder(QString()); }

    QString productFolder() const { return _settings.root() + "/Vidorna"; }
    QString projects() const { return ProjectManager::projectsDirectory(); }
    QString projectPath(const QString& relative) const { return projects() + "/" + relative; }

    // A project directory with its "project.xml" (unless damaged) and
    // optional extra files, relative to the projects directory.
    QString makeProject(const QString& relative, bool withXml = true, const QStringList& files = {}) const
    {
        const QString path = projectPath(relative);
        QDir().mkpath(path);
        QStringList all = files;
        if (withXml)
            all.prepend("project.xml");
        for (const QString& name : all)
            writeFile(path + "/" + name, name.toUtf8());
        return path;
    }
    QString makeFolder(const QString& name) const
    {
        const QString path = projectPath(name);
        QDir().mkpath(path);
        writeFile(path + "/.folder", QByteArray());
        return path;
    }
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    }
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Sets the modification time of a file or directory.
    static void setModified(const QString& path, const QDateTime& time)
    {
        timespec times[2];
        times[0].tv_sec = times[1].tv_sec = time.toSecsSinceEpoch();
        times[0].tv_nsec = times[1].tv_nsec = 0;
        ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0) << path.toStdString();
    }
    static bool isDir(const QString& path) { return QFileInfo(path).isDir(); }

private:
    IsolatedSettings _settings;
};

// Shows a list (or any widget) as a window big enough for a few rows of tiles.
inline void showForList(QWidget& widget)
{
    widget.resize(700, 500);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
}

// A double click as the window system delivers it: press, release, press,
// double click, release, routed by the toolkit to the item's position.
inline void doubleClickItem(QListWidget& list, QListWidgetItem* item)
{
    const QPoint position = list.viewport()->mapTo(list.window(), list.visualItemRect(item).center());
    QTest::mouseDClick(list.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, position);
}

// Answers the modal dialogs the code under test opens, one answer each in
// order, through the shared answerer, and notes what each dialog showed
// (the title and text of a message box, the text of an input dialog).
class DialogScript
{
public:
    using Answer = ModalDialogAnswerer::Answer;

    explicit DialogScript(std::vector<Answer> answers) : _answers(std::move(answers)) { _next(); }

    static Answer type(const QString& text)
    {
        return [text](QWidget* widget) {
            auto* dialog = qobject_cast<QInputDialog*>(widget);
            ASSERT_NE(dialog, nullptr);
            dialog->setTextValue(text);
            dialog->accept();
        };
    }
    static Answer ok() { return ModalDialogAnswerer::accept(); }
    static Answer cancel() { return ModalDialogAnswerer::reject(); }
    static Answer click(const QString& text) { return ModalDialogAnswerer::clickButton(text); }
    static Answer choose(const QString& path) { return ModalDialogAnswerer::chooseFile(path); }

    // What the dialogs showed, in order: "title / text" of a message box,
    // "prompt: text" (the offered text) of an input dialog.
    const QStringList& seen() const { return _seen; }
    bool finished() const { return _index == _answers.size(); }

private:
    void _next()
    {
        if (_index >= _answers.size())
            return;
        const Answer answer = _answers[_index];
        _answerers.push_back(std::make_unique<ModalDialogAnswerer>(
            [this, answer](QWidget* dialog) {
                _note(dialog);
                ++_index;
                answer(dialog);
                _next();
            },
            10000));
    }
    void _note(QWidget* widget)
    {
        if (auto* box = qobject_cast<QMessageBox*>(widget))
            _seen.append(box->windowTitle() + " / " + box->text());
        else if (auto* input = qobject_cast<QInputDialog*>(widget))
            _seen.append("prompt: " + input->textValue());
        else
            _seen.append(widget->metaObject()->className());
    }

    std::vector<Answer> _answers;
    size_t _index = 0;
    std::vector<std::unique_ptr<ModalDialogAnswerer>> _answerers;
    QStringList _seen;
};
