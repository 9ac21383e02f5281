#include "shot/profiles/A7pFile.h"

#include <google/protobuf/stubs/logging.h>
#include <openssl/evp.h>

#include <cctype>

#include "engine/Catalogue.h"
#include "shot/SafeFile.h"
#include "shot/profiles/A7pPayload.h"

namespace vorlan {

namespace {

constexpr std::size_t kDigestDigits = 32;

std::string md5Hex(std::string_view bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest, &size, EVP_md5(), nullptr);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < size; ++i) hex.append({kHex[digest[i] >> 4], kHex[digest[i] & 15]});
    return hex;
}

bool sameDigest(std::string_view stored, std::string_view computed) {
    if (stored.size() != computed.size()) return false;
    for (std::size_t i = 0; i < stored.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(stored[i])) != computed[i]) return false;
    return true;
}

}  // namespace

bool decodeA7pPayload(std::string_view bytes, a7p::Profile& profile, std::string& error) {
    if (bytes.size() <= kDigestDigits) {
        error = translated("the file is truncated: it holds no payload after its MD5");
        return false;
    }
    const std::string_view payload = bytes.substr(kDigestDigits);
    if (!sameDigest(bytes.substr(0, kDigestDigits), md5Hex(payload))) {
        error = translated("MD5: the file's digest does not match its payload (the file is damaged or truncated)");
        return false;
    }
    a7p::Payload message;
    // A malformed payload is told to the caller, not logged by the library to standard error.
    const google::protobuf::LogSilencer quiet;
    if (!message.ParseFromArray(payload.data(), static_cast<int>(payload.size()))) {
        error = translated("payload: not a Protocol Buffers profile (truncated or malformed)");
        return false;
    }
    if (!message.has_profile()) {
        error = translated("profile: the payload holds no profile");
        return false;
    }
    profile = message.profile();
    return true;
}

std::string withA7pDigest(std::string_view payload) { return md5Hex(payload).append(payload); }

std::string encodeA7pPayload(const a7p::Profile& profile) {
    a7p::Payload message;
    *message.mutable_profile() = profile;
    std::string payload;
    message.SerializeToString(&payload);
    return withA7pDigest(payload);
}

ProfileImport importA7p(std::string_view bytes) {
    a7p::Profile profile;
    ProfileImport result;
    if (!decodeA7pPayload(bytes, profile, result.error)) return result;
    result.error = a7pBoundsProblem(profile);
    if (!result.error.empty()) return result;
    return shotFromProfile(profile);
}

ProfileImport importA7pFile(const std::string& path) {
    std::string bytes;
    if (const FileOutcome outcome = readRegularFile(path, bytes); !outcome) {
        ProfileImport result;
        result.error = translated("cannot read '%1': %2", {path, outcome.reason()});
        return result;
    }
    return importA7p(bytes);
}

ProfileExport exportA7p(const ShotParameters& shot) {
    ProfileExport result;
    const a7p::Profile profile = profileFromShot(shot, result.error);
    if (result.error.empty()) result.error = a7pBoundsProblem(profile);
    if (result.error.empty()) result.bytes = encodeA7pPayload(profile);
    return result;
}

std::string exportA7pFile(const ShotParameters& shot, const std::string& path) {
    const ProfileExport profile = exportA7p(shot);
    if (!profile.error.empty()) return profile.error;
    if (const FileOutcome outcome = writeFileAtomically(path, profile.bytes); !outcome)
        return translated("cannot write '%1': %2", {path, outcome.reason()});
    return {};
}

}  // namespace vorlan
