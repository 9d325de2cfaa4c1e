#pragma once
// Form1, the main window. The editor session is the one source of truth: every control is drawn
// from it (showSession), and every control's event goes to a core rule through commands() or an
// event handler, after which the window runs the command states and draws the session again.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "session/document_services.h"
#include "session/editor_session.h"
#include "table/mapping_table_model.h"
#include "engine/engine_timings.h"
#include "settings/file_association.h"
#include "shell/command_router.h"
#include "shell/command_states.h"
#include "shell/entry_icons.h"
#include "shell/main_layout.h"
#include "shell/menus.h"

namespace velloran {

class TableEvents;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const DocumentServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    CommandRouter& commands() { return router_; }
    EditorSession& session() { return session_; }
    const DocumentServices& services() const { return services_; }

    const MainControls& controls() const { return controls_; }
    const MenuSet& menus() const { return menus_; }
    DescriptionEditor& descriptionEditor() { return *descriptionEditor_; }
    MappingTableModel& tableModel() { return *tableModel_; }
    // The Mapping table's editing rules and their state (current column, step headers).
    TableEvents& tableEvents() { return *tableEvents_; }
    EntryIcons& entryIcons() { return entryIcons_; }
    // The file-type association of configuration files in the user's data folder
    // ($XDG_DATA_HOME), installed or removed at load and by Preferences.
    FileAssociation& fileAssociation() { return *association_; }

    // The timings in force: Preferences puts applied values here at once, also during a test.
    const EngineTimings& engineTimings() const { return timings_; }
    void applyTimings(const EngineTimings& timings);

    // Form_Load: the caption, startmeup with the file-type association, the devices (with a
    // notice when there are none), the command states and the configuration named on the
    // command line.
    void Form_Load(std::string_view commandLine);

    // Device detection fills session().devices. The device back ends plug in here; without one
    // no device is found.
    using DeviceDetection = std::function<DeviceInventory()>;
    void setDeviceDetection(DeviceDetection detection) { detection_ = std::move(detection); }
    void detectDevices();
    // Refresh Device List: detects again, then the states and the rows of the current table.
    void MNjoy_Click();

    // A later start of the program handed over its command line: the window comes to the
    // front (restored when minimised) and opens the file named there.
    void secondStart(const std::string& commandLine);

    // Recomputes which commands are offered and applies the result to the controls.
    void Set_Button_States();
    // What the controls offer now; entries that the rules leave alone keep these values.
    CommandStates commandStates() const;
    void applyButtonStates(const ButtonStatesUpdate& update);

    // How the shown table changed since it was last drawn.
    enum class TableChange {
        Unknown,  // a reset when it is another table or other rows, else every row redrawn
        Looks,    // only row colours or icons
        None,
    };
    // Draws every control from the session, then carries out the session's requests to close
    // or minimise the window.
    void showSession(TableChange change = TableChange::Unknown);

    // Context menus at a screen position, when enabled.
    void popupListMenu(const QPoint& globalPos);
    void popupTableMenu(const QPoint& globalPos);

signals:
    // Form_Unload: the close was allowed. What holds the keyboard or devices lets go of them
    // here, before the program's windows close.
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void registerShellCommands();
    void connectControls();
    void onItemPressed(const QString& key, Qt::MouseButton button, const QPoint& globalPos);
    void onTabChosen(int index);
    void openPendingSecondStarts();
    void showDeviceList();
    void carryOutRequests();

    DocumentServices services_;
    EditorSession session_;
    CommandRouter router_;
    MenuSet menus_;
    MainControls controls_;
    DescriptionEditor* descriptionEditor_ = nullptr;
    MappingTableModel* tableModel_ = nullptr;
    std::unique_ptr<TableEvents> tableEvents_;
    std::unique_ptr<FileAssociation> association_;
    EngineTimings timings_;
    EntryIcons entryIcons_;
    DeviceDetection detection_;
    std::vector<std::string> pendingSecondStarts_;
};

}  // namespace velloran
