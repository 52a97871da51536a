// Help > How do i use this? and Help > About, byte for byte.
#include <catch2/catch.hpp>

#include "support/fakes.h"
#include "ui/help.h"

namespace tarvane {
namespace {

TEST_CASE("The usage text is three sentences with one empty line between each") {
    const Message usage = UsageMessage();
    CHECK(usage.text ==
          L"All you have to do is set your Archive.exe path if you havent done so already"
          L"\r\n\r\n"
          L"If you havent select Tools -> Set Archive.exe Path"
          L"\r\n\r\n"
          L"Then select the SGA that you want to convert, then select the output path!");
    CHECK(usage.title == L"Help");
    CHECK(usage.buttons == Buttons::Ok);
    CHECK(usage.icon == Icon::Information);
}

TEST_CASE("About names the program and its maker") {
    CHECK(AboutMessage() ==
          Message{L"Tarvane converter made by Zembrith", L"About", Buttons::Ok, Icon::Information});
}

}  // namespace
}  // namespace tarvane
