#pragma once

// The text of the Help box, lines joined by "\r\n".
extern const char HELP_TEXT[];
