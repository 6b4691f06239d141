#include "mainform.h"

#include "listrowdelegate.h"
#include "loadlists.h"
#include "runcommand.h"
#include "runtimeerror.h"
#include "widgetcontrols.h"

#include <QImageReader>
#include <QPixmap>

namespace {

// The icon is read as the PNG it is. Left to guess the format, the reader
// would first load every image plugin on the system to ask each of them,
// which slows the window's start more than anything else it shows.
QPixmap loadIcon()
{
    QImageReader reader(QStringLiteral(":/icons/courier-firms.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImageReader(&reader);
}

} // namespace

MainForm::MainForm(const QStringList &catalogue, QWidget *parent)
    : QWidget(parent)
{
    // Resources of a static library are registered by hand.
    Q_INIT_RESOURCE(mainform);
    ui.setupUi(this);
    setWindowIcon(loadIcon());
    ui.List1_0->setItemDelegate(new ListRowDelegate(ui.List1_0));
    ui.List1_1->addItems(catalogue);

    ui.Command1->setId(ui.Command1_0, AlphabeticalCommand);
    ui.Command1->setId(ui.Command1_1, ReportCommand);
    ui.Command1->setId(ui.Command1_2, UserOrderCommand);
    ui.Command1->setId(ui.Command1_3, LengthCommand);
    connect(ui.Command1, &QButtonGroup::idClicked, this, &MainForm::Click);

    // The window opens with the focus on the first control in tab order.
    ui.Text1_0->setFocus();

    m_controls = std::make_unique<WidgetControls>(ui);
}

MainForm::~MainForm() = default;

bool MainForm::Load()
{
    try {
        LoadLists(m_controls->controls());
        return true;
    } catch (const RuntimeError &error) {
        emit failed(error.message());
        return false;
    }
}

void MainForm::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Sorting needs the collation tables, which drawing the window does not:
    // the sorted lists put their items in order once the window is on screen
    // (or earlier, should a button read them first).
    if (!m_drawn) {
        m_drawn = true;
        QMetaObject::invokeMethod(this, [this] { m_controls->placeWaitingItems(); }, Qt::QueuedConnection);
    }
}

void MainForm::Click(int index)
{
    try {
        RunCommand(m_controls->controls(), Integer(index));
    } catch (const RuntimeError &error) {
        emit failed(error.message());
    }
}
