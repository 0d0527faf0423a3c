#include "html/DdeRequest.h"

#ifdef _WIN32

#include <windows.h>

#include <ddeml.h>

namespace {

HDDEDATA CALLBACK IgnoreDdeEvents(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr;
}

// Starts the program without a command interpreter: the path is the
// application name, so a path with blanks cannot run another program.
bool StartMinimised(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return false;
    // Let it come up far enough to answer, as a plain start would.
    WaitForInputIdle(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace

bool SendDdeRequest(const std::string& service, const std::string& topic, const std::string& item,
                    const std::wstring& program) {
    DWORD instance = 0;
    if (DdeInitializeA(&instance, IgnoreDdeEvents, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        return false;
    const HSZ serviceName = DdeCreateStringHandleA(instance, service.c_str(), CP_WINANSI);
    const HSZ topicName = DdeCreateStringHandleA(instance, topic.c_str(), CP_WINANSI);
    HCONV conversation = DdeConnect(instance, serviceName, topicName, nullptr);
    if (!conversation && StartMinimised(program))
        conversation = DdeConnect(instance, serviceName, topicName, nullptr);
    if (conversation) {
        const HSZ itemName = DdeCreateStringHandleA(instance, item.c_str(), CP_WINANSI);
        DWORD result = 0;
        const HDDEDATA reply = DdeClientTransaction(nullptr, 0, conversation, itemName, CF_TEXT,
                                                    XTYP_REQUEST, 10000, &result);
        if (reply)
            DdeFreeDataHandle(reply);
        DdeFreeStringHandle(instance, itemName);
        DdeDisconnect(conversation);
    }
    DdeFreeStringHandle(instance, topicName);
    DdeFreeStringHandle(instance, serviceName);
    DdeUninitialize(instance);
    return conversation != nullptr;
}

#else

bool SendDdeRequest(const std::string&, const std::string&, const std::string&,
                    const std::wstring&) {
    return false;
}

#endif
