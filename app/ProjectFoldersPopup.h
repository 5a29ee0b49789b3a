#pragma once

#include "PopupWidget.h"

#include <QStringList>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The overlay in which the user picks where ticked projects are copied or
// moved: the top level of the projects directory or one of its folders. It
// only chooses and says so by signal; its owner closes it. A new folder can
// be made at the top level.
//
// Keys: Left, Backspace and Back go back to the top level; Right opens the
// current row's folder; Return, Enter and Space open the current row's
// folder, or with no current row confirm the shown one; Escape cancels.
class ProjectFoldersPopup : public PopupWidget
{
    Q_OBJECT

public:
    // operation 1 moves, any other value copies; startFolder empty is the top level.
    ProjectFoldersPopup(QWidget* parent, int operation, const QString& startFolder);

    int operation() const { return _operation; }
    QString currentFolder() const { return _currentFolder; }
    QStringList folderNames() const { return _folderNames; }

    bool tryDismiss() override;
    bool acceptByReturnKey() override;

signals:
    void didCancel();
    // folder is empty for the top level.
    void didSelectFolder(QString folder);

public slots:
    void onFolderItemClicked(QListWidgetItem* item);
    void on_backButton_clicked();
    void on_cancelButton_clicked();
    void on_newFolderButton_clicked();
    void on_operationButton_clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void _buildForm();
    QWidget* _buildTitleBar();
    QWidget* _buildBottomBar();
    void _loadFolders();
    QString _listedDirectory() const;
    // True when the key is one of the popup's own.
    bool _handleKey(int key);
    void _warn(const QString& title, const QString& text);

    int _operation;
    QString _currentFolder;
    QString _rejectedFolderName;
    QStringList _folderNames;

    QWidget* _mainWidget = nullptr;
    QPushButton* _backButton = nullptr;
    QLabel* _titleLabel = nullptr;
    QPushButton* _cancelButton = nullptr;
    QListWidget* _listWidget = nullptr;
    QPushButton* _newFolderButton = nullptr;
    QPushButton* _operationButton = nullptr;
};
