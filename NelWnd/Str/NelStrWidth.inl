// Japanese character-width conversion: the body shared by CNelStrW and CNelStrA
// (compiled once per twin, see NelStrCore.inl).
