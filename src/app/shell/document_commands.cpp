#include "shell/document_commands.h"

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
    router.setHandler(Command::Open, [&s, &d] { open_click(s, d); });
    router.setHandler(Command::New, [&s, &d] { new_click(s, d, NewMode::New); });
    router.setHandler(Command::Load, [&s, &d] { load_click(s, d, true, {}); });
    router.setHandler(Command::Close, [&s, &d] { close_click(s, d); });
    router.setHandler(Command::Save, [&s, &d] { save_click(s, d, SaveMode::Save); });
    router.setHandler(Command::SaveAs, [&s, &d] { save_click(s, d, SaveMode::SaveAs); });
    router.setHandler(Command::Clone, [&s, &d] { clone_click(s, d); });
    router.setHandler(Command::Delete, [&s, &d] { delete_click(s, d, true); });
    router.setHandler(Command::Run, [&s, &d] { MNrun_Click(s, d); });
}

}  // namespace velloran
