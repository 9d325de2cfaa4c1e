#include <gtest/gtest.h>

#include "base/message_box.h"
#include "base/version.h"

namespace velloran {
namespace {

TEST(ErrorBox, ComposesNumberDescriptionAndProcedure) {
    const Message m = errorBox(runtimeError(err::TypeMismatch), ProcKind::Sub, "open_click");
    EXPECT_EQ(m.title, "ERROR");
    EXPECT_EQ(m.icon, Icon::Critical);
    EXPECT_EQ(m.text, " 13  Type mismatch in sub open_click.");
    EXPECT_EQ(errorBox(runtimeError(err::ElementNotFound), ProcKind::Function, "GetString").text,
              " 35601  Element not found in function GetString.");
    EXPECT_EQ(errorBox(RuntimeError{-5, "Odd"}, ProcKind::Sub, "x").text, "-5  Odd in sub x.");
}

TEST(ErrorBox, ErrnoMapsToFileErrors) {
    struct Case {
        int e;
        int number;
    };
    for (const Case c : {Case{ENOENT, 53}, Case{ENOTDIR, 76}, Case{EACCES, 70}, Case{ENOSPC, 61},
                         Case{EIO, 57}, Case{EISDIR, 75}, Case{EROFS, 75}}) {
        const RuntimeError r = runtimeErrorFromErrno(c.e);
        EXPECT_EQ(r.number, c.number) << c.e;
        EXPECT_FALSE(r.description.empty()) << c.e;
    }
}

TEST(Version, TitlesFollowTheVersionNumbers) {
    EXPECT_EQ(mainWindowTitle(), "Velloran Ver. 1.4.9 (Beta)");
    EXPECT_EQ(fileVersionText(), "1.4");
}

}  // namespace
}  // namespace velloran
