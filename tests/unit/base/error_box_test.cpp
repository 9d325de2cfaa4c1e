#include <gtest/gtest.h>

#include <cerrno>

#include "base/message_box.h"
#include "base/version.h"

namespace velloran {
namespace {

TEST(ErrorBox, ComposesNumberDescriptionAndProcedure) {
    EXPECT_EQ(errorBox(runtimeError(err::TypeMismatch), ProcKind::Sub, "open_click"),
              (Message{Icon::Critical, "ERROR", " 13  Type mismatch in sub open_click."}));
    EXPECT_EQ(errorBox(RuntimeError{-5, "Odd"}, ProcKind::Function, "x").text,
              "-5  Odd in function x.");
}

TEST(ErrorBox, ErrnoMapsToFileErrors) {
    const std::pair<int, int> cases[] = {{ENOENT, 53}, {ENOTDIR, 76}, {EACCES, 70},
                                         {ENOSPC, 61}, {EIO, 57},     {EROFS, 75}};
    for (const auto& [e, number] : cases) {
        EXPECT_EQ(runtimeErrorFromErrno(e).number, number) << e;
    }
}

TEST(Version, TitlesFollowTheVersionNumbers) {
    EXPECT_EQ(mainWindowTitle(), "Velloran Ver. 1.4.9 (Beta)");
    EXPECT_EQ(fileVersionText(), "1.4");
}

}  // namespace
}  // namespace velloran
