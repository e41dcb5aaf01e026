// Control ids and caption of the demo host's window.
#pragma once

namespace vta::host {

constexpr char kCaption[] = "Vantaro Demo Host";
constexpr int kChooseButton = 100;
constexpr int kAboutButton = 101;
constexpr int kOpenButton = 102;
constexpr int kSaveButton = 103;
constexpr int kFilterModeCheck = 104;
constexpr int kRecordView = 105;
constexpr int kStatusText = 106;
constexpr int kRenderButton = 107;
constexpr int kFramePlayer = 108;

}  // namespace vta::host
