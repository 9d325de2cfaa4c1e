#include "shell/document_commands.h"

#include <QTimer>

#include "session/document_close.h"
#include "session/document_create.h"
#include "session/document_open.h"
#include "session/document_run.h"
#include "session/document_save.h"
#include "shell/main_window.h"

namespace velloran {

void registerDocumentCommands(MainWindow& window) {
    EditorSession& s = window.session();
    const DocumentServices& d = window.services();
    CommandRouter& router = window.commands();
    // A document just opened is worked on in its table: the keyboard goes there once the
    // window has drawn the new tab (which takes the focus when it is chosen).
    const auto focusTable = [&window] {
        QTimer::singleShot(0, window.controls().listView3, [&window] {
            if (!window.descriptionEditor().editing()) window.controls().listView3->setFocus();
        });
    };
    router.setHandler(Command::Open, [&s, &d, focusTable] {
        open_click(s, d);
        focusTable();
    });
    router.setHandler(Command::New, [&s, &d, focusTable] {
        new_click(s, d, NewMode::New);
        focusTable();
    });
    router.setHandler(Command::Load, [&s, &d, focusTable] {
        load_click(s, d, true, {});
        focusTable();
    });
    router.setHandler(Command::Close, [&s, &d] { close_click(s, d); });
    router.setHandler(Command::Save, [&s, &d] { save_click(s, d, SaveMode::Save); });
    router.setHandler(Command::SaveAs, [&s, &d] { save_click(s, d, SaveMode::SaveAs); });
    router.setHandler(Command::Clone, [&s, &d, focusTable] {
        clone_click(s, d);
        focusTable();
    });
    router.setHandler(Command::Delete, [&s, &d] { delete_click(s, d, true); });
    router.setHandler(Command::Run, [&s, &d] { MNrun_Click(s, d); });
}

}  // namespace velloran
