#pragma once

#include <string>

// Windows only: sends one WWW_OpenURL-style request (CF_TEXT, 10 s time-out)
// to the DDE server `service` on `topic`. When no server answers, the
// browser program is started minimised without activation and asked once
// more. True when a conversation was made; the reply is discarded.
bool SendDdeRequest(const std::string& service, const std::string& topic, const std::string& item,
                    const std::wstring& program);
