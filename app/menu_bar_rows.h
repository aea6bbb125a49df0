// The main window's menu bar in rows: every menu title stays directly
// reachable in a narrow window. The titles that do not fit on the first row
// ("MainMenu1") go, in their order, to a second row ("MainMenu2") below it,
// which shows only while it holds titles; the restored window then grows by
// that row so the controls keep their room.
#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QMenuBar;

class MenuBarRows : public QWidget {
    Q_OBJECT
public:
    explicit MenuBarRows(QWidget* parent);

    QMenuBar* firstRow() const { return m_rows[0]; }
    QMenuBar* secondRow() const { return m_rows[1]; }
    // Every title in its order, on whichever row it shows.
    const QList<QAction*>& titles() const { return m_titles; }
    // Takes the first row's titles as the bar's titles (once they are
    // made) and lays them out.
    void TakeTitles();
    // Puts the titles on the rows for the present width.
    void Reflow();

signals:
    // The second row appeared or went: the room below the bar changed
    // although the window may keep its size.
    void rowsChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool firstRowOverflows() const;
    void keepClientHeight();

    QMenuBar* m_rows[2];
    QList<QAction*> m_titles;
    bool m_reflowing = false;
};
