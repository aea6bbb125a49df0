#include "browse/crop_ratio_panel.h"

#include "base/settings_record.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <cmath>

std::optional<double> ParseCropRatioPart(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    double v = QLocale::c().toDouble(t, &ok);
    if (!ok)
        v = QLocale::system().toDouble(t, &ok);
    if (!ok || !std::isfinite(v) || v <= 0)
        return std::nullopt;
    return v;
}

namespace {

QString ratioText(double v)
{
    return v > 0 ? QString::number(v, 'g', 15) : QString();
}

} // namespace

CustomRatioPanel::CustomRatioPanel(TSettingsRecord& settings, QWidget* parent) : QFrame(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("PnlCustomRatio"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    auto* grid = new QGridLayout(this);
    auto* labelX = new QLabel(QStringLiteral("Width"), this);
    auto* labelY = new QLabel(QStringLiteral("Height"), this);
    LECusRatioX = new QLineEdit(this);
    LECusRatioX->setObjectName(QStringLiteral("LECusRatioX"));
    LECusRatioY = new QLineEdit(this);
    LECusRatioY->setObjectName(QStringLiteral("LECusRatioY"));
    LblIllegalX = new QLabel(QStringLiteral("Illegal value"), this);
    LblIllegalX->setObjectName(QStringLiteral("LblIllegalX"));
    LblIllegalY = new QLabel(QStringLiteral("Illegal value"), this);
    LblIllegalY->setObjectName(QStringLiteral("LblIllegalY"));
    for (QLabel* l : {LblIllegalX, LblIllegalY}) {
        l->setStyleSheet(QStringLiteral("color: red"));
        l->hide();
    }
    BtnOK = new QPushButton(QStringLiteral("&OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    labelX->setBuddy(LECusRatioX);
    labelY->setBuddy(LECusRatioY);

    grid->addWidget(labelX, 0, 0);
    grid->addWidget(LECusRatioX, 0, 1);
    grid->addWidget(LblIllegalX, 0, 2);
    grid->addWidget(labelY, 1, 0);
    grid->addWidget(LECusRatioY, 1, 1);
    grid->addWidget(LblIllegalY, 1, 2);
    grid->addWidget(BtnOK, 2, 1);
    grid->addWidget(BtnCancel, 2, 2);

    LECusRatioX->installEventFilter(this);
    LECusRatioY->installEventFilter(this);
    connect(BtnOK, &QPushButton::clicked, this, &CustomRatioPanel::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &CustomRatioPanel::BtnCancelClick);
    hide();
}

bool CustomRatioPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && isVisible()) {
        // Leaving an edit for the Cancel button does not check it.
        QWidget* next = QApplication::focusWidget();
        if (next != BtnCancel) {
            if (watched == LECusRatioX)
                LECusRatioXExit();
            else if (watched == LECusRatioY)
                LECusRatioYExit();
        }
    }
    return false;
}

void CustomRatioPanel::ShowPanel()
{
    LECusRatioX->setText(ratioText(m_settings.CustomRatioWidth));
    LECusRatioY->setText(ratioText(m_settings.CustomRatioHeight));
    LblIllegalX->hide();
    LblIllegalY->hide();
    if (parentWidget())
        move((parentWidget()->width() - sizeHint().width()) / 2,
             (parentWidget()->height() - sizeHint().height()) / 2);
    adjustSize();
    show();
    raise();
    LECusRatioX->setFocus();
    emit windowCommandsEnabled(false);
}

void CustomRatioPanel::checkEdit(QLineEdit* edit, QLabel* illegal, QLineEdit* other, QLabel* otherIllegal)
{
    if (ParseCropRatioPart(edit->text())) {
        illegal->hide();
        // The other edit quietly: its label goes when its text is good now.
        if (ParseCropRatioPart(other->text()))
            otherIllegal->hide();
        return;
    }
    edit->setFocus();
    illegal->show();
}

void CustomRatioPanel::LECusRatioXExit()
{
    checkEdit(LECusRatioX, LblIllegalX, LECusRatioY, LblIllegalY);
}

void CustomRatioPanel::LECusRatioYExit()
{
    checkEdit(LECusRatioY, LblIllegalY, LECusRatioX, LblIllegalX);
}

void CustomRatioPanel::BtnOKClick()
{
    // Both edits are checked here too: an edit never left could still hold
    // an empty or zero text, and a ratio of 0 must never be stored.
    const auto x = ParseCropRatioPart(LECusRatioX->text());
    const auto y = ParseCropRatioPart(LECusRatioY->text());
    if (!x)
        LblIllegalX->show();
    if (!y)
        LblIllegalY->show();
    if (!x || !y || !LblIllegalX->isHidden() || !LblIllegalY->isHidden()) {
        QApplication::beep();
        return;
    }
    m_settings.CustomRatioWidth = *x;
    m_settings.CustomRatioHeight = *y;
    m_settings.CropRatioWidth = *x;
    m_settings.CropRatioHeight = *y;
    closePanel();
}

void CustomRatioPanel::BtnCancelClick()
{
    closePanel();
}

void CustomRatioPanel::closePanel()
{
    hide();
    emit windowCommandsEnabled(true);
}
