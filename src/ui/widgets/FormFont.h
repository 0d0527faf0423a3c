#pragma once

#include <QFont>

// The windows' font: "ＭＳ Ｐゴシック" 12 pixels high, or an IPA Gothic face
// where the machine lacks it, naming only the face that is drawn.
QFont FormFont();
