#include "mainform.h"

#include "listrowdelegate.h"
#include "loadlists.h"
#include "runcommand.h"
#include "runtimeerror.h"
#include "touchscrolling.h"
#include "widgetcontrols.h"

#include <QImageReader>
#include <QPixmap>
#include <QWindow>

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
    // A finger scrolls the list, and a tap chooses a row.
    new TouchScrolling(ui.List1_0);

    ui.Command1->setId(ui.Command1_0, AlphabeticalCommand);
    ui.Command1->setId(ui.Command1_1, ReportCommand);
    ui.Command1->setId(ui.Command1_2, UserOrderCommand);
    ui.Command1->setId(ui.Command1_3, LengthCommand);
    connect(ui.Command1, &QButtonGroup::idClicked, this, &MainForm::Click);

    m_controls = std::make_unique<WidgetControls>(ui, catalogue);

    // Sorting loads the collation tables, which showing the window does not
    // need: the sorted lists are put in order once it is on screen.
    afterFirstShown({[this] { controls().sortNewItems(); }});

    // The native window exists from here on, so that the form can watch for
    // its first appearance on screen (see eventFilter).
    create();
    windowHandle()->installEventFilter(this);

    // The window opens with the focus on the first control in tab order,
    // given once the window exists: Qt for the web forgets a focus given
    // before.
    ui.Text1_0->setFocus();
}

MainForm::~MainForm() = default;

bool MainForm::Load()
{
    try {
        LoadLists(controls());
        return true;
    } catch (const RuntimeError &error) {
        emit failed(error.message());
        return false;
    }
}

const FormControls &MainForm::controls() const
{
    return m_controls->controls();
}

void MainForm::afterFirstShown(const QList<std::function<void()>> &jobs)
{
    m_afterFirstShown.append(jobs);
}

bool MainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        runNextJobLater();
    }
    return false;
}

void MainForm::runNextJobLater()
{
    if (m_afterFirstShown.isEmpty())
        return;
    QMetaObject::invokeMethod(this, [this] {
        m_afterFirstShown.takeFirst()();
        runNextJobLater();
    }, Qt::QueuedConnection);
}

void MainForm::Click(int index)
{
    try {
        RunCommand(controls(), Integer(index));
    } catch (const RuntimeError &error) {
        emit failed(error.message());
    }
}
