// FavoritesWindow: the modal maintenance window of the favourites ("Maintenance
// Favorites") or of the recent folders and shows ("Maintenance Recent").
// The user reorders, removes or clears the nine entries in the grid
// `SGFolder`; "&Apply" writes them into the settings and rebuilds the
// matching menu, "&Cancel" discards everything. The list rules are in
// app/favorites_window_logic.h.
#pragma once

#include "app/favorites_window_logic.h"
#include "base/settings_record.h"

#include <QDialog>

#include <functional>

#include <cstdint>

struct EnvironmentInfo;
class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class QVBoxLayout;

// The window whose objectName is "Form36".
class FavoritesWindow : public QDialog {
    Q_OBJECT
public:
    // `settings` holds the lists the window maintains;
    // `favoritesMaintenanceMode` becomes FavoritesMaintenanceMode; the
    // window takes the interface font of `environment`.
    FavoritesWindow(TSettingsRecord& settings, const EnvironmentInfo& environment, uint8_t favoritesMaintenanceMode,
            QWidget* parent = nullptr);

    // 1: the window maintains the favourites; 0: the recent list.
    const uint8_t FavoritesMaintenanceMode;

signals:
    // Apply stored the favourites (true) or the recent list: their menu is
    // built again.
    void ListApplied(bool favorites);

public:

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QTableWidget* SGFolder = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* BtnUp = nullptr;
    QPushButton* BtnDown = nullptr;
    QPushButton* BtnRemove = nullptr;
    QPushButton* BtnClear = nullptr;
    QFrame* Panel3 = nullptr;
    QPushButton* BtnApply = nullptr;
    QPushButton* BtnCancel = nullptr;
    QTimer* TimerOnActivate = nullptr;
    QTimer* TimerAltKey = nullptr;

    void FormActivate();
    void FillGrid();
    void SGFolderSelectCell(int row);
    void BtnUpClick();
    void BtnDownClick();
    void BtnRemoveClick();
    void BtnClearClick();
    void BtnApplyClick();
    void BtnCancelClick();
    void TimerOnActivateTimer();
    void TimerAltKeyTimer();

    // The grid row selected, 1 .. 9.
    int selectedRow() const;
    void selectRow(int row);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeGrid(QVBoxLayout* outer);
    void makeButtonPanels(QVBoxLayout* outer);
    void setCaptionsByMode(QVBoxLayout* p1);
    void applyButtonRules();
    void edited(int row);
    TSettingsRecord& m_settings;
    TMaintenanceList m_list;
    bool m_favorites = true;
    bool m_activated = false;
};
