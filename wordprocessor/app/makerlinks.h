#ifndef YAVO_MAKERLINKS_H
#define YAVO_MAKERLINKS_H

// The maker's pages that the program opens in the user's browser.
namespace MakerLinks {
constexpr char downloadUrl[] = "https://quenvel.example/yavo/download";
constexpr char feedbackUrl[] = "https://quenvel.example/yavo/feedback";
} // namespace MakerLinks

#endif
