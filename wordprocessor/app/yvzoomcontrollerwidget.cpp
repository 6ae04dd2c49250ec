#include "app/yvzoomcontrollerwidget.h"
#include "app/ui_yvzoomcontrollerwidget.h"

#include "core/sharedsettings.h"

#include <QSettings>
#include <QTextEdit>

yvZoomControllerWidget::yvZoomControllerWidget(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::yvZoomControllerWidget)
{
    Q_INIT_RESOURCE(yavopad);
    ui->setupUi(this);

    connect(ui->pZoomInPB, &QToolButton::clicked, this, [this] { stepZoom(1); });
    connect(ui->pZoomOutPB, &QToolButton::clicked, this, [this] { stepZoom(-1); });
    connect(ui->pZoomResetPB, &QToolButton::clicked, this, [this] { onZoomToolButtonClicked(0); });
    connect(ui->pSlider, &QSlider::sliderMoved, this, &yvZoomControllerWidget::onSliderMoved);
    connect(ui->pSlider, &QSlider::valueChanged, this, &yvZoomControllerWidget::onSliderValueChanged);

    onSliderValueChanged(0);
    setFixedSize(200, 20);
}

yvZoomControllerWidget::~yvZoomControllerWidget()
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.setValue(QStringLiteral("InputSettings/zoomLevel"), m_zoomLevel);
    delete ui;
}

void yvZoomControllerWidget::setZoomLevel(int level)
{
    // The slider shows at most its ends; the level keeps what it was given.
    m_zoomLevel = level;
    ui->pSlider->setValue(level);
}

void yvZoomControllerWidget::addEditor(QObject *editor)
{
    auto *textEdit = qobject_cast<QTextEdit *>(editor);
    if (!textEdit)
        return;
    m_editors.append(textEdit);
    onApplyZoom(textEdit, m_zoomLevel);
}

void yvZoomControllerWidget::removeEditor(QTextEdit *editor)
{
    m_editors.removeAll(editor);
}

void yvZoomControllerWidget::onApplyZoom(QTextEdit *editor, int steps)
{
    if (steps > 0)
        editor->zoomIn(steps);
    else if (steps < 0)
        editor->zoomOut(-steps);
}

void yvZoomControllerWidget::zoomAllBy(int steps)
{
    const auto editors = m_editors;
    for (QTextEdit *editor : editors) {
        if (editor)
            onApplyZoom(editor, steps);
    }
}

bool yvZoomControllerWidget::hasEditors() const
{
    for (const QPointer<QTextEdit> &editor : m_editors) {
        if (editor)
            return true;
    }
    return false;
}

void yvZoomControllerWidget::onApplyZoomOnAll(int steps)
{
    if (hasEditors())
        zoomAllBy(steps);
}

void yvZoomControllerWidget::resetAll()
{
    zoomAllBy(-m_zoomLevel);
    m_zoomLevel = 0;
}

void yvZoomControllerWidget::onResetZoom()
{
    if (hasEditors())
        resetAll();
}

void yvZoomControllerWidget::stepZoom(int steps)
{
    ui->pSlider->setValue(ui->pSlider->value() + steps);
    if (hasEditors())
        zoomAllBy(steps);
    m_zoomLevel += steps;
}

void yvZoomControllerWidget::onZoomToolButtonClicked(int steps)
{
    if (steps != 0) {
        stepZoom(steps);
        return;
    }
    ui->pSlider->setValue(0);
    if (hasEditors())
        resetAll();
}

void yvZoomControllerWidget::onSliderMoved(int value)
{
    if (value != 0) {
        if (hasEditors())
            zoomAllBy(value - m_zoomLevel);
        m_zoomLevel = value;
    } else if (hasEditors()) {
        resetAll();
    }
}

void yvZoomControllerWidget::onSliderValueChanged(int value)
{
    ui->pZoomOutPB->setEnabled(ui->pSlider->minimum() < value);
    ui->pZoomInPB->setEnabled(value < ui->pSlider->maximum());
    ui->pZoomResetPB->setText(tr("%1%").arg(value * 10));
    ui->pZoomResetPB->setEnabled(value != 0);
}
