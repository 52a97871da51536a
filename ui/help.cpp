#include "ui/help.h"

namespace tarvane {

Message UsageMessage() {
    return Message{
        L"All you have to do is set your Archive.exe path if you havent done so already\r\n\r\n"
        L"If you havent select Tools -> Set Archive.exe Path\r\n\r\n"
        L"Then select the SGA that you want to convert, then select the output path!",
        L"Help", Buttons::Ok, Icon::Information};
}

Message AboutMessage() {
    return Message{L"Tarvane converter made by Zembrith", L"About", Buttons::Ok, Icon::Information};
}

}  // namespace tarvane
