// An off-screen drawing context over a rectangle of a target context: everything drawn into it
// lands in a buffer, and closing it copies the rectangle to the target in one step.
#pragma once

#include "platform/gdi/afxgdi.hpp"

class CMemDCC : public CDC {
  public:
    // Buffers `rect` (the target's logical units) of `target`; the buffer starts filled with the
    // target's background colour.
    CMemDCC(CDC* target, const RECT& rect);
    // Copies the buffered rectangle to the target, then releases the buffer.
    ~CMemDCC() override;

    CMemDCC(const CMemDCC&) = delete;
    CMemDCC& operator=(const CMemDCC&) = delete;

  private:
    CBitmap bitmap;                    // the buffer's pixels
    HGDIOBJ previousBitmap = nullptr;  // selected before `bitmap`; put back before deletion
    CDC* target;                       // receives the result
    RECT area;                         // the buffered rectangle, target's logical units
};
