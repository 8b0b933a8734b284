#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"

#include <functional>

// Shows an alpha at once on the window or windows whose transparency is set.
using AlphaPreview = std::function<void(BYTE nAlpha)>;

// The slider of the transparency dialog: while the left button drags it,
// every move previews the alpha of its position.
class CTransparencySlider : public CSliderCtrl {
public:
    explicit CTransparencySlider(AlphaPreview preview) : m_preview(std::move(preview)) {}

protected:
    const MessageMap* GetMessageMap() const override;

private:
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnLButtonUp(UINT nFlags, POINT point);
    void OnMouseMove(UINT nFlags, POINT point);

    int m_nAlpha = 135;       // the alpha last previewed
    bool m_bDragging = false; // the left button went down on the slider
    AlphaPreview m_preview;
};

// "Set Transparency": one slider from 0 (most transparent) to 100 (opaque).
class CTransparencyDlg : public CDialog {
public:
    explicit CTransparencyDlg(AlphaPreview preview);

    // The slider's position: put into it on opening, read back on OK.
    int m_nTransparency = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CTransparencySlider m_slider;
};
