#pragma once

// Where users reach the people behind the program.
inline constexpr char PRODUCT_WEB_ADDRESS[] = "http://www.example.org/skylet/";
inline constexpr char PRODUCT_EMAIL_ADDRESS[] = "skylet@example.org";
inline constexpr char PRODUCT_SUPPORT_EMAIL_ADDRESS[] = "support@example.org";
