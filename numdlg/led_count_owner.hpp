// What the LED quantity popup needs of the window that opens it. The main window implements this
// interface; the popup finds it through AfxGetMainWnd() and a dynamic_cast.
#pragma once

#include "platform/wnd/afxwin.hpp"

class DeviceLink;

class LedCountOwner {
  public:
    LedCountOwner() = default;
    virtual ~LedCountOwner() = default;
    LedCountOwner(const LedCountOwner&) = delete;
    LedCountOwner& operator=(const LedCountOwner&) = delete;

    // The user interface language: 0 English, 1 Chinese.
    virtual int uiLanguage() const = 0;

    // The LED count the main window shows (the lighting state's ledCount).
    virtual int ledCountValue() const = 0;
    virtual void setLedCountValue(int count) = 0;

    // The link to the controller; the popup writes the LED count set report through it.
    virtual DeviceLink& deviceLink() = 0;

    // The label that shows the LED count (the main window's ledCountLabel).
    virtual CWnd& ledCountLabelWnd() = 0;

    // The area of the label in the main window's client coordinates (ledCountRect).
    virtual RECT ledCountArea() const = 0;
};
