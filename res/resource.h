// Resource ids, grouped by the resource they belong to.
#pragma once

// String table
#define IDP_OLE_INIT_FAILED 100
#define IDS_ABOUTBOX 101

// Main window (dialog 102)
#define IDD_SKYLET_DIALOG 102
#define IDC_CONTACT_LIST 1000
#define IDC_LOG 1001

// Application icon
#define IDR_MAINFRAME 128

// Contact window (dialog 130) and its commands
#define IDD_CONTACT 130
#define ID_SIZE_100 32772
#define ID_SIZE_50 32773
#define ID_SIZE_25 32774
#define ID_SIZE_33 32776
#define ID_SIZE_10 32778
#define ID_SIZE_75 32784
#define ID_SIZE_66 32785
#define ID_SIZE_DEFAULT 32786

// Built-in contact photo, a JPEG of custom type "IMAGE"
#define IDR_DEFAULT_PHOTO 133
