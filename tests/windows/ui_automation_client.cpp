// What a Windows screen reader reads of a window, through UI Automation from outside its process:
//   ui_automation_client TITLE              one line per element of the window titled TITLE:
//                                           control type, name, description, value (tab-separated)
//   ui_automation_client TITLE press NAME   presses the button named NAME through its Invoke
//   pattern
// A value is the Value or RangeValue pattern's, "-" where the element has neither, or the failure
// (E_NOTIMPL and the like) as UI Automation answers it. Output is UTF-8; line breaks inside a text
// are written as \n. The exit status is 0, or 1 where the window or the button is not found or
// cannot be pressed.
#include <windows.h>

#include <uiautomation.h>

#include <cstdio>
#include <iterator>
#include <string>

namespace {

// UIA_ButtonControlTypeId (50000) and on, in order.
const char* const controlTypes[] = {
    "Button",      "Calendar",    "CheckBox",  "ComboBox",     "Edit",     "Hyperlink",
    "Image",       "ListItem",    "List",      "Menu",         "MenuBar",  "MenuItem",
    "ProgressBar", "RadioButton", "ScrollBar", "Slider",       "Spinner",  "StatusBar",
    "Tab",         "TabItem",     "Text",      "ToolBar",      "ToolTip",  "Tree",
    "TreeItem",    "Custom",      "Group",     "Thumb",        "DataGrid", "DataItem",
    "Document",    "SplitButton", "Window",    "Pane",         "Header",   "HeaderItem",
    "Table",       "TitleBar",    "Separator", "SemanticZoom", "AppBar"};

std::string utf8(const wchar_t* text)
{
    std::string out;
    for (const wchar_t* c = text; c != nullptr && *c != 0; ++c) {
        if (*c == L'\n' || *c == L'\r' || *c == L'\t' || *c == 0x2029) {
            out += "\\n";
            continue;
        }
        char bytes[8];
        const int length =
            WideCharToMultiByte(CP_UTF8, 0, c, 1, bytes, sizeof bytes, nullptr, nullptr);
        out.append(bytes, static_cast<std::size_t>(length > 0 ? length : 0));
    }
    return out;
}

std::string failure(HRESULT result)
{
    if (result == E_NOTIMPL)
        return "E_NOTIMPL";
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lx", static_cast<unsigned long>(result));
    return text;
}

std::string shown(HRESULT result, BSTR text)
{
    const std::string out = SUCCEEDED(result) ? utf8(text) : failure(result);
    SysFreeString(text);
    return out;
}

std::string nameOf(IUIAutomationElement* element)
{
    BSTR name = nullptr;
    const HRESULT result = element->get_CurrentName(&name);
    return shown(result, name);
}

// The accessible description, UI Automation's full description (Windows 10 and newer).
std::string descriptionOf(IUIAutomationElement* element)
{
    IUIAutomationElement6* newer = nullptr;
    HRESULT result =
        element->QueryInterface(IID_IUIAutomationElement6, reinterpret_cast<void**>(&newer));
    if (FAILED(result))
        return failure(result);
    BSTR description = nullptr;
    result = newer->get_CurrentFullDescription(&description);
    newer->Release();
    return shown(result, description);
}

template <class Pattern>
HRESULT patternOf(IUIAutomationElement* element, PATTERNID id, Pattern** pattern)
{
    *pattern = nullptr;
    return element->GetCurrentPatternAs(id, __uuidof(Pattern), reinterpret_cast<void**>(pattern));
}

std::string valueOf(IUIAutomationElement* element)
{
    IUIAutomationValuePattern* value;
    HRESULT result = patternOf(element, UIA_ValuePatternId, &value);
    if (value != nullptr) {
        BSTR text = nullptr;
        result = value->get_CurrentValue(&text);
        value->Release();
        return shown(result, text);
    }
    if (FAILED(result))
        return failure(result);
    IUIAutomationRangeValuePattern* range;
    result = patternOf(element, UIA_RangeValuePatternId, &range);
    if (range != nullptr) {
        double number = 0;
        result = range->get_CurrentValue(&number);
        range->Release();
        return SUCCEEDED(result) ? std::to_string(static_cast<long long>(number)) : failure(result);
    }
    return FAILED(result) ? failure(result) : "-";
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const bool press = argc == 4 && std::wstring(argv[2]) == L"press";
    if (argc != 2 && !press) {
        std::fputs("usage: ui_automation_client TITLE [press NAME]\n", stderr);
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation* automation = nullptr;
    IUIAutomationElement* window = nullptr;
    const HWND handle = FindWindowW(nullptr, argv[1]);
    if (handle == nullptr
        || FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IUIAutomation, reinterpret_cast<void**>(&automation)))
        || FAILED(automation->ElementFromHandle(handle, &window))) {
        std::fprintf(stderr, "ui_automation_client: no window titled %s\n", utf8(argv[1]).c_str());
        return 1;
    }
    IUIAutomationCondition* all = nullptr;
    IUIAutomationElementArray* elements = nullptr;
    automation->CreateTrueCondition(&all);
    window->FindAll(TreeScope_Descendants, all, &elements);
    int count = 0;
    if (elements != nullptr)
        elements->get_Length(&count);
    int status = press ? 1 : 0;
    for (int i = 0; i < count; ++i) {
        IUIAutomationElement* element = nullptr;
        elements->GetElement(i, &element);
        CONTROLTYPEID type = 0;
        element->get_CurrentControlType(&type);
        const unsigned index = static_cast<unsigned>(type - UIA_ButtonControlTypeId);
        const std::string name = nameOf(element);
        if (!press) {
            const std::string line =
                std::string(index < std::size(controlTypes) ? controlTypes[index] : "?") + "\t"
                + name + "\t" + descriptionOf(element) + "\t" + valueOf(element) + "\n";
            std::fwrite(line.data(), 1, line.size(), stdout);
        } else if (type == UIA_ButtonControlTypeId && name == utf8(argv[3])) {
            IUIAutomationInvokePattern* invoke;
            HRESULT result = patternOf(element, UIA_InvokePatternId, &invoke);
            if (invoke != nullptr) {
                result = invoke->Invoke();
                invoke->Release();
            }
            std::printf("%s\n", SUCCEEDED(result) && invoke != nullptr ? "pressed"
                                                                       : failure(result).c_str());
            status = SUCCEEDED(result) && invoke != nullptr ? 0 : 1;
        }
        element->Release();
    }
    std::fflush(stdout);
    return status;
}
