// The dialogs of the real window: Qt's message, file and colour boxes, and
// the program's own font dialog with its colour button and canvas size
// dialog.
#pragma once

#include "app/window/WorkingBar.h"
#include "files/Dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QList>
#include <memory>
#include <utility>

class QMainWindow;
class QWidget;

class QtDialogs : public Dialogs {
    Q_DECLARE_TR_FUNCTIONS(QtDialogs)

public:
    void setParent(QMainWindow* parent) { parent_ = parent; }
    int MsgBox(const QString& text, int style, const QString& title) override;
    bool ShowOpen(CommonDialog& d) override;
    bool ShowSave(CommonDialog& d) override;
    bool ShowColor(CommonDialog& d) override;
    bool ShowFont(CommonDialog& d) override;
    bool AskCanvasSize(QSize& size) override;
    bool AskGridSpacing(int& spacing) override;
    bool AskTolerance(int& value) override;
    bool AskChainGap(int& gap) override;
    bool ShowPrinter(Printer& printer) override;
    void ShowShortcuts(const QList<KeyRow>& rows) override;
    void ShowAbout(const QString& title, const QString& text) override;
    void ShowAboutQt() override;
    void Message(const QString& title, const QString& text) override;
    void Notice(const QString& title, const QString& text) override;
    void Busy(bool busy) override;

    // "Name (*.a)|*.a|..." as Qt's "Name (*.a);;..."
    static QString qtFilter(const QString& filter);
    // The list ShowShortcuts shows, not yet shown.
    static std::unique_ptr<QDialog> shortcutsDialog(QWidget* parent, const QList<KeyRow>& rows);

private:
    QMainWindow* parent_ = nullptr;
    int busy_ = 0;  // long work under way, one inside the other
    std::unique_ptr<WorkingBar> working_;
    QList<std::pair<QString, QString>> held_;  // notices that came during long work
};
