#include "base/rc_settings.h"

#include "platform/fixed_text.h"

#include <QtEndian>

TRCSettingsRecord DecodeRCSettings(const QByteArray& input)
{
    namespace L = RCSettingsLayout;
    TRCSettingsRecord r;
    QByteArray b = input.left(RCSettingsSize);
    if (b.size() < RCSettingsSize)
        b.append(QByteArray(RCSettingsSize - b.size(), '\0'));
    r.RawBytes = b;
    const auto* u = reinterpret_cast<const uchar*>(b.constData());
    r.IncludeSubfolders = u[L::IncludeSubfolders];
    r.PlayVoice = u[L::PlayVoice];
    r.PlayPlaylist = u[L::PlayPlaylist];
    r.Fade = u[L::Fade];
    r.PlayOrder = qFromLittleEndian<int32_t>(u + L::PlayOrder);
    r.PlaylistOrder = qFromLittleEndian<int32_t>(u + L::PlaylistOrder);
    r.PlaylistPath = platform::DecodeFixedText(u + L::PlaylistPath, L::PlaylistPathCapacity);
    r.Loop = u[L::Loop];
    return r;
}

QByteArray EncodeRCSettings(const TRCSettingsRecord& r)
{
    namespace L = RCSettingsLayout;
    QByteArray b = r.RawBytes.left(RCSettingsSize);
    if (b.size() < RCSettingsSize)
        b.append(QByteArray(RCSettingsSize - b.size(), '\0'));
    auto* u = reinterpret_cast<uchar*>(b.data());
    u[L::IncludeSubfolders] = r.IncludeSubfolders;
    u[L::PlayVoice] = r.PlayVoice;
    u[L::PlayPlaylist] = r.PlayPlaylist;
    u[L::Fade] = r.Fade;
    qToLittleEndian<int32_t>(r.PlayOrder, u + L::PlayOrder);
    qToLittleEndian<int32_t>(r.PlaylistOrder, u + L::PlaylistOrder);
    platform::EncodeFixedText(r.PlaylistPath, L::PlaylistPathCapacity, u + L::PlaylistPath);
    u[L::Loop] = r.Loop;
    return b;
}

TRCSettingsRecord DefaultRCSettings()
{
    TRCSettingsRecord r;
    r.IncludeSubfolders = 1;
    r.PlayVoice = 1;
    r.PlayPlaylist = 0;
    r.Fade = 1;
    r.PlayOrder = 1;
    r.PlaylistOrder = 1;
    r.Loop = 0;
    return r;
}

TRCSettingsRecord ReadRCSettings(const QString& path)
{
    QByteArray bytes;
    if (!platform::ReadRecordAt(path, RCSettingsSize, 0, bytes).ok())
        return DefaultRCSettings();
    return DecodeRCSettings(bytes);
}

platform::RecordResult WriteRCSettings(const QString& path, const TRCSettingsRecord& record)
{
    return platform::WriteRecords(path, {EncodeRCSettings(record)}, RCSettingsSize);
}

