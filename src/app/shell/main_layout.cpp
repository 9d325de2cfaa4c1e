#include "shell/main_layout.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velloran {
namespace {

constexpr int kListWidth = 136;
constexpr int kDeviceListHeight = 84;

QGroupBox* deviceFrame(QWidget* parent, QListWidget*& list) {
    auto* frame = new QGroupBox(QStringLiteral("Input Devices"), parent);
    frame->setObjectName(QStringLiteral("Frame1"));
    list = new QListWidget(frame);
    list->setObjectName(QStringLiteral("ListView2"));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setFixedHeight(kDeviceListHeight);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(list);
    frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return frame;
}

QLineEdit* feedbackLine(QWidget* parent) {
    auto* line = new QLineEdit(QStringLiteral("Key Mapping:"), parent);
    line->setObjectName(QStringLiteral("Text1"));
    // Keys typed while recording belong to the table, never to this line.
    line->setReadOnly(true);
    line->setFocusPolicy(Qt::NoFocus);
    return line;
}

}  // namespace

MainControls buildMainLayout(QMainWindow& window, CommandRouter& router) {
    MainControls c;
    auto* central = new QWidget(&window);
    central->setObjectName(QStringLiteral("centralWidget"));

    c.listView1 = new ConfigurationListWidget(central);
    c.listView1->setFixedWidth(kListWidth);
    c.commands = new CommandPanel(router, central);
    c.text1 = feedbackLine(central);
    c.tabStrip1 = new TabStripWidget(central);
    c.listView3 = new MappingTableView(central);
    c.frame1 = deviceFrame(central, c.listView2);

    auto* commandRow = new QHBoxLayout;
    commandRow->setSpacing(8);
    commandRow->addWidget(c.commands);
    commandRow->addWidget(c.text1, 1);

    auto* document = new QVBoxLayout;
    document->setSpacing(0);
    document->addLayout(commandRow);
    document->addSpacing(6);
    document->addWidget(c.tabStrip1);
    document->addWidget(c.listView3, 1);
    document->addSpacing(4);
    document->addWidget(c.frame1);

    auto* body = new QHBoxLayout(central);
    body->setContentsMargins(6, 6, 6, 4);
    body->setSpacing(6);
    body->addWidget(c.listView1);
    body->addLayout(document, 1);
    window.setCentralWidget(central);
    // From the table, Tab goes on to the commands that act on it.
    QWidget::setTabOrder(c.listView3, c.commands->button(QStringLiteral("ComRec")));

    c.statusBar1 = new StatusPanels(&window);
    window.setStatusBar(c.statusBar1);
    return c;
}

}  // namespace velloran
