#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

namespace kvt7 {

// Which of the main window's commands (menu items by message id, tool-bar buttons by key,
// command buttons by name) can be used now. Operations switch groups of them off before
// they start and on after they end; the window only shows the result.
class CommandAvailability : public QObject {
    Q_OBJECT
public:
    explicit CommandAvailability(QObject* parent = nullptr);

    // Names of the commands: "menu:<id>", "tool:<key>", and the button names.
    static QString Menu(int id);
    static QString Tool(const QString& key);
    static const QStringList& CommandButtons();
    static const QStringList& ToolKeys();  // in tool-bar order

    bool isEnabled(const QString& command) const;
    // A command that this program does not offer stays disabled whatever is switched.
    void setOffered(const QString& command, bool offered);
    bool isOffered(const QString& command) const { return !notOffered_.contains(command); }

    void CMDBTN_Muko();
    void CMDBTN_Yuko();
    void ToolBar_Muko();
    void ToolBar_Yuko();
    void Menyu_Muko();
    void Menyu_Yuko();
    void MenuFunction_Muko();
    void MenuFunction_Yuko();
    void EditCMD_Muko();
    void EditCMD_Yuko();  // edit enable, unconditional
    // Edit enable by clipboard: the paste commands follow what was copied.
    void EditCMD_YukoByClipboard(bool cellPasteAllowed, bool linePasteAllowed);
    void LinePaste_Muko();
    void LockMainWindow();
    void UnlockMainWindow();

    void setCommand(const QString& command, bool on);

signals:
    void changed();
    // The position grid accepts input and redraws, or neither.
    void gridLockChanged(bool locked);

private:
    void set(const QStringList& commands, bool on);
    QHash<QString, bool> on_;
    QSet<QString> notOffered_;
};

}  // namespace kvt7
